#!/bin/bash
# The window as the desktop starts it: `ign-converter FILE` from the launcher
# converts FILE once the window is up, the window carries the launcher's
# class, and a run leaves nothing in the user's home.
#
#   desktop.sh PROGRAM EXPECTED_TOOL EXAMPLES_DIR
set -euo pipefail

program=$1
expected_tool=$2
examples=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xsession.sh"
XsRequire Xvfb xdotool xprop

XsStart
trap XsStop EXIT
work=$XS_DIR/work
mkdir -p "$work"
cp "$examples/kart-100.ign" "$work/kart.ign"
"$expected_tool" "$work/kart.ign" "$XS_DIR/kart-expected.ign" >/dev/null
passed=0
Ok() {
  echo "ok: $1"
  passed=$((passed + 1))
}

# 1. The file named on the command line: the save dialog comes up by itself
# and proposes the file's own name; Enter, then Yes, replaces it.
XsLaunch "$program" "$work/kart.ign"
main=$(XsWaitWindow "$XS_MAIN_CAPTION" 15) || XsFail "no main window"
save=$(XsWaitDialog '^Save As$' 10) || XsFail "no save dialog for the file on the command line"
XsKeys Return
XsAnswerReplace "$save" "kart.ign (the proposal)"
XsWaitFor 10 "kart.ign was not replaced by its conversion" cmp -s "$work/kart.ign" "$XS_DIR/kart-expected.ign"
Ok "file on the command line converted, its own name proposed"

# 2. The window's class is the one the desktop entry names.
class=$(sed -n 's/^StartupWMClass=//p' "$here/../../resources/desktop/io.github.ignconverter.IgnConverter.desktop")
xprop -id "$main" WM_CLASS | grep -q "\"$class\"\$" || XsFail "WM_CLASS $(xprop -id "$main" WM_CLASS), desktop entry $class"
Ok "window class $class as in the desktop entry"

# 3. A file that is not there: the usual message, nothing else.
XsFocus "$main"
XsKeys alt+f x
XsWaitExit 10 || XsFail "File > Exit did not end the program"
XsLaunch "$program" "$work/missing.ign"
XsWaitDialog '^ign-converter$' 15 >/dev/null || XsFail "no message for a missing file"
XsKeys Return
XsWaitGone '^ign-converter$' 10 || XsFail "Enter did not close the message"
main=$(XsWaitWindow "$XS_MAIN_CAPTION" 5) || XsFail "no main window"
XsFocus "$main"
XsKeys alt+f x
XsWaitExit 10 || XsFail "File > Exit did not end the program"
Ok "missing file on the command line: Open file error"

# 4. Both runs used the dialogs and stored nothing.
left=$(ls -A "$XS_DIR/home")
[ -z "$left" ] || XsFail "the home folder holds: $left"
Ok "nothing written to the home folder"
echo "$passed passed, 0 failed"
