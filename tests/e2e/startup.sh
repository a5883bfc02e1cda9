#!/bin/bash
# The real program under Xvfb: its window comes up centred with the caption of
# the language asked for, and File > Exit from the keyboard ends it with 0.
#
#   startup.sh PROGRAM
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xsession.sh"
XsRequire Xvfb xdotool xwd

XsStart
trap XsStop EXIT

english=$XS_MAIN_CAPTION
german='^Verwandlung \*\.ign Version 2005 zu Version 2006$'

# name | arguments | caption | keys that choose File > Exit in that language
# | whether a message comes first (an argument that is no language word is a
# file to convert, and there is no file "deutsch")
cases=(
  "no argument||$english|alt+f x|"
  "DEUTSCH|DEUTSCH|$german|alt+d b|"
  "FRENCH|FRENCH|$english|alt+f s|"
  "Qt option first|-platform xcb DEUTSCH|$english|alt+f x|"
  "lower case|deutsch|$english|alt+f x|message"
)

passed=0
for row in "${cases[@]}"; do
  IFS='|' read -r name arguments caption keys message <<<"$row"
  # shellcheck disable=SC2086  # the arguments are words on purpose
  XsLaunch "$program" $arguments
  win=$(XsWaitWindow "$caption" 15) || XsFail "$name: no window captioned $caption"
  position=$(XsPosition "$win")
  [ "$position" = "226 230" ] || XsFail "$name: window at $position, expected 226 230"
  if [ -n "$message" ]; then
    XsWaitDialog '^ign-converter$' 10 >/dev/null || XsFail "$name: no message"
    XsKeys Return
    XsWaitGone '^ign-converter$' 10 || XsFail "$name: the message stayed"
  fi
  XsFocus "$win"
  # shellcheck disable=SC2086
  XsKeys $keys
  XsWaitExit 10 || XsFail "$name: the program did not end after $keys"
  [ "$XS_EXIT_CODE" = 0 ] || XsFail "$name: exit code $XS_EXIT_CODE"
  echo "ok: $name"
  passed=$((passed + 1))
done
echo "$passed passed, 0 failed"
