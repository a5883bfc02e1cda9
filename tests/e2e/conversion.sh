#!/bin/bash
# Conversions as a person does them in the real program under Xvfb: F3, a
# name typed into Qt's open dialog, the save dialog's proposal, messages.
#
#   conversion.sh PROGRAM EXPECTED_TOOL EXAMPLES_DIR
set -euo pipefail

program=$1
expected_tool=$2
examples=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../scripts/xsession.sh"
XsRequire Xvfb xdotool

XsStart
trap XsStop EXIT
work=$XS_DIR/work
mkdir -p "$work"
cp "$examples/kart-100.ign" "$work/kart.ign"
cp "$examples/enduro-250.ign" "$work/enduro.ign"
"$expected_tool" "$work/kart.ign" "$XS_DIR/kart-expected.ign" >/dev/null

XsLaunch "$program"
main=$(XsWaitWindow "$XS_MAIN_CAPTION" 15) || XsFail "no main window"
passed=0

Ok() {
  echo "ok: $1"
  passed=$((passed + 1))
}

# Count of visible windows named exactly TEXT.
Count() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }

# 1. A conversion to a new name typed without extension.
XsOpenByTyping "$main" "$work/kart.ign"
save=$(XsWaitDialog '^Save As$' 10) || XsFail "no save dialog after choosing kart.ign"
XsKeys ctrl+a
XsType "$work/kart-2006"
XsKeys Return
XsWaitGone '^Save As$' 10 || XsFail "the save dialog stayed open"
XsWaitFor 10 "no kart-2006.ign written" test -f "$work/kart-2006.ign"
cmp "$work/kart-2006.ign" "$XS_DIR/kart-expected.ign" || XsFail "kart-2006.ign differs from the expected file"
cmp "$work/kart.ign" "$examples/kart-100.ign" || XsFail "the input changed"
Ok "converted to a name typed without extension"

# 2. The program's own output is no version-2005 file: a message that Enter
# closes, and no save dialog.
XsOpenByTyping "$main" "$work/kart-2006.ign"
box=$(XsWaitDialog '^ign-converter$' 10) || XsFail "no message for a version-2006 file"
XsKeys Return
XsWaitGone '^ign-converter$' 10 || XsFail "Enter did not close the message"
[ "$(Count '^Save As$')" = 0 ] || XsFail "a save dialog followed the message"
Ok "unmatched file: message closed by Enter"

# 3. F3 works also while a menu is open; Escape in the open dialog does nothing.
before=$(ls -l --time-style=+%s.%N "$work" | md5sum)
XsFocus "$main"
XsKeys alt+l
XsKeys F3
XsWaitDialog '^Open$' 10 >/dev/null || XsFail "F3 with the Language menu open brought no open dialog"
XsKeys Escape
XsWaitGone '^Open$' 10 || XsFail "Escape did not close the open dialog"
sleep 0.5
[ "$(Count '^Save As$')" = 0 ] && [ "$(Count '^ign-converter$')" = 0 ] || XsFail "something followed Escape"
[ "$(ls -l --time-style=+%s.%N "$work" | md5sum)" = "$before" ] || XsFail "files changed after Escape"
Ok "F3 from an open menu; Escape in the open dialog does nothing"

# 4. Accepting the proposed name asks before replacing the input; Yes
# replaces it with the version-2006 file.
cp "$examples/kart-100.ign" "$work/replace-me.ign"
XsOpenByTyping "$main" "$work/replace-me.ign"
save=$(XsWaitDialog '^Save As$' 10) || XsFail "no save dialog after choosing replace-me.ign"
XsKeys Return
XsAnswerReplace "$save" replace-me.ign "$work/replace-me.ign" "$examples/kart-100.ign"
XsWaitFor 10 "replace-me.ign was not replaced by its conversion" \
  cmp -s "$work/replace-me.ign" "$XS_DIR/kart-expected.ign"
Ok "proposed name: asked, then replaced"

XsFocus "$main"
XsKeys alt+f x
XsWaitExit 10 || XsFail "File > Exit did not end the program"
[ "$XS_EXIT_CODE" = 0 ] || XsFail "exit code $XS_EXIT_CODE"
Ok "exit code 0 after the conversions"
echo "$passed passed, 0 failed"
