#!/bin/bash
# What the program answers without a window: --help and --version need no
# display, a start without one says so in one line, and every option the
# help names is in the man page.
#
#   help.sh PROGRAM MAN_PAGE
set -euo pipefail

program=$1
page=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
Fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# name | arguments | DISPLAY ("-": none) | where standard output goes
# | exit status | standard output (a pattern; "-": empty) | standard error
cases=(
  "help|--help|-||0|^Usage: ign-converter |-"
  "-h|-h|-||0|^Usage: ign-converter |-"
  "help after a language|DEUTSCH --help|-||0|^Usage: ign-converter |-"
  "version|--version|-||0|^ign-converter [0-9]+\.[0-9]+\.[0-9]+$|-"
  "help to a full disk|--help|-|/dev/full|1|-|^ign-converter: write error \(No space left on device\)$"
  "no display|-|-||1|-|^ign-converter: cannot open a window: no display \(DISPLAY is not set\)$"
  "display not there|x.ign|:4711||1|-|^ign-converter: cannot open a window: no display \(.*:4711.*\)$"
)
passed=0
for row in "${cases[@]}"; do
  IFS='|' read -r name arguments display sink status stdout stderr <<<"$row"
  [ "$arguments" = - ] && arguments=""
  environment=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
  [ "$display" = - ] || environment+=("DISPLAY=$display")
  got=0
  # shellcheck disable=SC2086  # the arguments are words on purpose
  "${environment[@]}" "$program" $arguments >"${sink:-$out/stdout}" 2>"$out/stderr" </dev/null || got=$?
  [ -n "$sink" ] && : >"$out/stdout"
  [ "$got" = "$status" ] || Fail "$name: exit status $got, expected $status; $(cat "$out/stderr")"
  for stream in stdout stderr; do
    pattern=${!stream}
    if [ "$pattern" = - ]; then
      [ ! -s "$out/$stream" ] || Fail "$name: $stream not empty: $(cat "$out/$stream")"
    else
      head -n 1 "$out/$stream" | grep -Eq "$pattern" || Fail "$name: $stream reads: $(cat "$out/$stream")"
    fi
  done
  # One line, where a message is what it says.
  [ "$(wc -l <"$out/stderr")" -le 1 ] || Fail "$name: more than one line on stderr: $(cat "$out/stderr")"
  echo "ok: $name"
  passed=$((passed + 1))
done

# Every word of the help's options column (the lines that start with two
# blanks and an option or a language word) is in the man page, where "-" is
# written "\-".
"$program" --help >"$out/help"
page_text=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$page")
words=$(sed -nE 's/^  +(-[-a-zA-Z, ]+|[A-Z][A-Z, ]+[A-Z]) {2,}.*/\1/p' "$out/help" | tr ', ' '\n\n' | sed '/^$/d')
[ "$(wc -w <<<"$words")" -ge 6 ] || Fail "found only these options in the help: $words"
for word in $words; do
  grep -qF -- "$word" <<<"$page_text" || Fail "$word is in --help but not in $(basename "$page")"
done
echo "ok: every option of --help in the man page ($(echo $words))"
passed=$((passed + 1))
echo "$passed passed, 0 failed"
