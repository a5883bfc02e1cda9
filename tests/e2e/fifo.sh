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
main=$(XsWaitWindow "$XS_MAIN_CAPTION" 15) || XsFail "no main window"
XsOpenByTyping "$main" "$work/kart.ign"
save=$(XsWaitDialog '^Save As$' 10) || XsFail "no save dialog"
XsKeys ctrl+a
XsType "$work/pipe.ign"
XsKeys Return
# Qt's dialog asks before replacing what exists; the answer is yes.
XsAnswerReplace "$save" "the pipe"
XsWaitDialog '^ign-converter$' 10 >/dev/null || XsFail "no message after saving onto the pipe"
XsKeys Return
XsWaitGone '^ign-converter$' 10 || XsFail "Enter did not close the message"
[ -p "$work/pipe.ign" ] || XsFail "the pipe was replaced: $(ls -l "$work")"
[ "$(ls -A "$work" | sort | tr '\n' ' ')" = "kart.ign pipe.ign " ] || XsFail "left: $(ls -A "$work")"
echo "ok: saving onto a pipe refused, the pipe untouched"
