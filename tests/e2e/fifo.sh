#!/bin/bash
# Saving onto a named pipe from the real window under Xvfb: the window says
# "Open file error!" and the pipe stays a pipe, with nothing written into it.
#
#   fifo.sh PROGRAM EXAMPLES_DIR
set -euo pipefail

program=$1
examples=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xsession.sh"
XsRequire Xvfb xdotool

XsStart
trap XsStop EXIT
work=$XS_DIR/work
mkdir -p "$work"
cp "$examples/kart-100.ign" "$work/kart.ign"
mkfifo "$work/pipe.ign"

XsLaunch "$program"
main=$(XsWaitWindow '^Converter \*\.ign file Version 2005 to Version 2006$' 15) || XsFail "no main window"
XsFocus "$main"
XsKeys F3
XsWaitDialog '^Open$' 10 >/dev/null || XsFail "F3 did not bring the open dialog"
XsKeys ctrl+a
XsType "$work/kart.ign"
XsKeys Return
save=$(XsWaitDialog '^Save As$' 10) || XsFail "no save dialog"
XsKeys ctrl+a
XsType "$work/pipe.ign"
XsKeys Return
# Qt's dialog asks before replacing what exists; the answer is yes.
deadline=$((SECONDS + 10))
until [ "$(xdotool search --onlyvisible --name '^Save As$' 2>/dev/null | wc -l)" -ge 2 ]; do
  [ $SECONDS -lt $deadline ] || XsFail "no question before replacing the pipe"
  sleep 0.1
done
question=$(xdotool search --onlyvisible --name '^Save As$' | grep -v "^$save\$" | head -n 1)
XsFocus "$question"
XsKeys alt+y
XsWaitDialog '^ign-converter$' 10 >/dev/null || XsFail "no message after saving onto the pipe"
XsKeys Return
XsWaitGone '^ign-converter$' 10 || XsFail "Enter did not close the message"
[ -p "$work/pipe.ign" ] || XsFail "the pipe was replaced: $(ls -l "$work")"
[ "$(ls -A "$work" | sort | tr '\n' ' ')" = "kart.ign pipe.ign " ] || XsFail "left: $(ls -A "$work")"
echo "ok: saving onto a pipe refused, the pipe untouched"
