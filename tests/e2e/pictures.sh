#!/bin/bash
# The README's pictures against the program: each picture's recipe
# (scripts/screenshot.sh) run anew gives a picture of the same size, and the
# status line read off a picture taken after a conversion is the line the
# program shows for the recipe's input. When the program has changed, take
# the pictures anew: scripts/screenshot.sh --readme.
#
#   pictures.sh PROGRAM EXPECTED_TOOL DOCS_DIR NAME[:status]...
#
# ":status" marks a picture that shows the status line. A PROGRAM and a tool
# ending in .exe run under Wine in WINEPREFIX.
set -euo pipefail

program=$1
tool=$2
docs=$3
shift 3
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
. "$scripts/xsession.sh"
XsRequire Xvfb xdotool xwd convert identify tesseract

work=$(mktemp -d "${TMPDIR:-/tmp}/ign-pictures.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Letters and digits alone, in lower case: what reading a picture gets right.
Letters() { tr 'A-Z' 'a-z' | tr -cd 'a-z0-9'; }
Size() { identify -format '%wx%h' "$1"; }

# The status bar of the window in PICTURE, read: its last rows, enlarged.
StatusLine() {
  convert "$1" -gravity south -crop "$(identify -format %w "$1")x26+0+0" +repage \
    -resize 400% -colorspace Gray "$work/strip.png"
  tesseract "$work/strip.png" - --psm 7 2>/dev/null | tr '\n' ' '
}

"$scripts/screenshot.sh" --input "$work"
if [[ $tool == *.exe ]]; then
  line=$("$scripts/wine-run.sh" "$WINEPREFIX" "$tool" "$(winepath -w "$work/kart-100.ign" 2>/dev/null)" \
    "$(winepath -w "$work/out.ign" 2>/dev/null)" | tr -d '\r')
else
  line=$("$tool" "$work/kart-100.ign" "$work/out.ign")
fi
[ -n "$line" ] || XsFail "no status line from $tool"

passed=0
for picture in "$@"; do
  name=${picture%:status}
  committed=$docs/$name.png
  [ -f "$committed" ] || XsFail "no $committed"
  # As long a name as the pictures' /tmp/engines: the report window is as
  # wide as its widest line, which holds the file's name.
  folder=$(mktemp -d /tmp/eXXXXXX)
  "$scripts/screenshot.sh" --recipe "$name" "$work/$name.png" "$program" "$folder"
  rm -rf "$folder"
  [ "$(Size "$committed")" = "$(Size "$work/$name.png")" ] ||
    XsFail "$name.png is $(Size "$committed"), the window now $(Size "$work/$name.png"): scripts/screenshot.sh --readme"
  if [ "$picture" != "$name" ]; then
    shown=$(StatusLine "$committed")
    [[ $(Letters <<<"$shown") == *"$(Letters <<<"$line")"* ]] ||
      XsFail "$name.png shows \"$shown\", the program \"$line\": scripts/screenshot.sh --readme"
  fi
  echo "ok: $name.png as the program shows it ($(Size "$committed"))"
  passed=$((passed + 1))
done
echo "$passed passed, 0 failed"
