#!/bin/bash
# The status line after a conversion in the real program under Xvfb: a file
# with one speed out of range is converted, and the line's Details window
# copies the report to the clipboard and closes with Escape.
#
#   report.sh PROGRAM EXAMPLES_DIR
set -euo pipefail

program=$1
examples=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xsession.sh"
XsRequire Xvfb xdotool xclip

XsStart
trap XsStop EXIT
work=$XS_DIR/work
mkdir -p "$work"
# "LIMITER" 15000 is beyond 12750: it wraps to 2200.
sed 's/^LIMITER       11000/LIMITER       15000/' "$examples/kart-100.ign" >"$work/wrapped.ign"
grep -q '^LIMITER       15000' "$work/wrapped.ign" || XsFail "could not make the wrapped example"

XsLaunch "$program"
main=$(XsWaitWindow "$XS_MAIN_CAPTION" 15) || XsFail "no main window"
XsOpenByTyping "$main" "$work/wrapped.ign"
XsWaitDialog '^Save As$' 10 >/dev/null || XsFail "no save dialog"
XsKeys ctrl+a
XsType "$work/wrapped-2006.ign"
XsKeys Return
XsWaitGone '^Save As$' 10 || XsFail "the save dialog stayed open"
XsWaitFor 10 "nothing written" test -f "$work/wrapped-2006.ign"
echo "ok: converted a file with a wrapped value"

# The Details button is the only control of the main window that takes the
# keyboard focus.
XsFocus "$main"
XsKeys Tab space
details=$(XsWaitDialog '^Conversion report$' 10) || XsFail "Details brought no report window"
XsKeys alt+c
report=""
deadline=$((SECONDS + 10))
# The row of the wrapped value, then the summary line as ign-convert
# --report prints it.
until printf '%s\n' "$report" | grep -Eq '^ +4  LIMITER\[0\] +15000 -> 2200 +wrapped: '; do
  [ $SECONDS -lt $deadline ] || XsFail "no row for the wrapped value copied: '$report'"
  sleep 0.2
  report=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
done
printf '%s\n' "$report" | grep -q '/wrapped\.ign: converted; 1 value changed unexpectedly (1 wrapped); expected: ' ||
  XsFail "summary line not as expected: $report"
echo "ok: the details tell the wrapped value"

XsFocus "$details"
XsKeys Escape
XsWaitGone '^Conversion report$' 10 || XsFail "Escape left the report window open"
echo "ok: Escape closes the report window"

XsFocus "$main"
XsKeys alt+f x
XsWaitExit 10 || XsFail "File > Exit did not end the program"
[ "$XS_EXIT_CODE" = 0 ] || XsFail "exit code $XS_EXIT_CODE"
echo "ok: exit code 0"
