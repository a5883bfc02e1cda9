#!/bin/bash
# The real ign-converter.exe under Wine in Xvfb, driven as a person does it:
# F3, a name typed into Wine's open dialog, the save dialog, the question
# before replacing, the message for a version-2006 file (read off the screen),
# the language of the first argument, a file named on the command line.
#
#   conversion.sh PREFIX PROGRAM.exe EXAMPLES_DIR CONVERTED_DIR
set -euo pipefail

prefix=$1
program=$2
examples=$3
converted=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../scripts/xsession.sh"
XsRequire Xvfb xdotool xwd convert tesseract wine

XsAttach "$prefix"
trap XsStop EXIT
work=$XS_DIR/work
mkdir -p "$work"
passed=0
Ok() {
  echo "ok: $1"
  passed=$((passed + 1))
}

# Starts the program in the background with ARGUMENTS, from the work folder.
Launch() {
  (cd "$work" && exec "$here/../../../scripts/wine-run.sh" "$prefix" "$program" "$@") \
    >"$XS_DIR/program.log" 2>&1 &
  XS_PID=$!
}

# The Windows name of a file under the work folder.
WindowsName() { printf 'Z:%s' "${1//\//\\}"; }

# Waits for a dialog named TEXT and gives it the keyboard, once Wine has
# filled it in.
Dialog() {
  local win
  win=$(XsWaitDialog "$1" 15) || return 1
  sleep 0.7
  XsFocus "$win"
  echo "$win"
}

# Types NAME into the focused file dialog and presses Enter.
Choose() {
  XsKeys ctrl+a
  XsType "$1"
  XsKeys Return
}

# Waits for a message box named TITLE, prints its text read off the screen
# and gives it the keyboard. Wine under Xvfb without a window manager paints
# a message box once the pointer is over it.
MessageBox() {
  local box shot=$XS_DIR/box.png deadline=$((SECONDS + 10)) x=5
  box=$(XsWaitWindow "$1" 15) || return 1
  until [ $SECONDS -ge $deadline ]; do
    xdotool mousemove --window "$box" $x 5
    x=$((x % 20 + 5))
    sleep 0.3
    xwd -id "$box" -silent | convert xwd:- -resize 300% "$shot"
    [ "$(convert "$shot" -format '%[fx:mean>0.5]' info:)" = 1 ] && break
  done
  tesseract "$shot" - 2>/dev/null | tr '\n' ' '
  XsFocus "$box"
}

# 1. Every example through the real dialogs, in one run of the program:
# F3, its name typed into the open dialog, a new name without extension in
# the save dialog. Each output as the Linux build writes it.
Launch
main=$(XsWaitWindow "$XS_MAIN_CAPTION" 30) || XsFail "no main window: $(cat "$XS_DIR/program.log")"
for example in "$examples"/*.ign; do
  name=$(basename "$example" .ign)
  cp "$example" "$work/$name.ign"
  XsFocus "$main"
  XsKeys F3
  Dialog '^Open$' >/dev/null || XsFail "F3 brought no open dialog"
  Choose "$(WindowsName "$work/$name.ign")"
  XsWaitGone '^Open$' 10 || XsFail "the open dialog stayed open for $name"
  Dialog '^Save As$' >/dev/null || XsFail "no save dialog after choosing $name.ign"
  Choose "$(WindowsName "$work/$name-2006")"
  XsWaitGone '^Save As$' 10 || XsFail "the save dialog stayed open for $name"
  XsWaitFor 10 "$name-2006.ign not written as the Linux build writes it" \
    cmp -s "$work/$name-2006.ign" "$converted/$name.ign"
  cmp "$work/$name.ign" "$example" || XsFail "$name.ign changed"
done
Ok "every example converted as on Linux, through Wine's dialogs"

# 2. F3 with a menu open; the proposed name: the question before
# replacing, then Yes.
cp "$examples/kart-100.ign" "$work/replace-me.ign"
XsFocus "$main"
XsKeys alt+l
XsKeys F3
Dialog '^Open$' >/dev/null || XsFail "F3 brought no open dialog"
Choose "$(WindowsName "$work/replace-me.ign")"
save=$(Dialog '^Save As$') || XsFail "no save dialog after choosing replace-me.ign"
XsKeys Return
# Wine titles the question "Error": the dialog gives it no title of its own.
# Wine leaves it unpainted under Xvfb, so it is known by its title alone.
question=$(XsWaitWindow '^Error$' 15) || XsFail "no question before replacing replace-me.ign"
XsFocus "$question"
cmp -s "$work/replace-me.ign" "$examples/kart-100.ign" || XsFail "replace-me.ign replaced before the answer"
XsKeys alt+y
XsWaitGone '^Save As$' 10 || XsFail "the save dialog stayed open after Yes"
XsWaitFor 10 "replace-me.ign was not replaced by its conversion" \
  cmp -s "$work/replace-me.ign" "$converted/kart-100.ign"
Ok "F3 from the Language menu; proposed name: asked, then replaced"

# 3. A version-2006 file: the message, and no save dialog.
XsFocus "$main"
XsKeys F3
Dialog '^Open$' >/dev/null || XsFail "F3 brought no open dialog"
Choose "$(WindowsName "$work/kart-100-2006.ign")"
text=$(MessageBox '^ign-converter$') || XsFail "no message for a version-2006 file"
grep -q 'Unmatched version' <<<"$text" || XsFail "the message reads: $text"
XsKeys Return
XsWaitGone '^ign-converter$' 10 || XsFail "Enter did not close the message"
[ -z "$(xdotool search --onlyvisible --name '^Save As$' 2>/dev/null)" ] || XsFail "a save dialog followed the message"
Ok "version-2006 file: \"$text\""

XsFocus "$main"
XsKeys alt+f x
XsWaitExit 15 || XsFail "File > Exit did not end the program"
[ "$XS_EXIT_CODE" = 0 ] || XsFail "exit code $XS_EXIT_CODE"
Ok "File > Exit, exit code 0"

# 4. DEUTSCH and a file named on the command line, relative to the folder
# the program starts in: German, and straight to the save dialog.
cp "$examples/enduro-250.ign" "$work/argument.ign"
Launch DEUTSCH argument.ign
XsWaitWindow '^Verwandlung \*\.ign Version 2005 zu Version 2006$' 30 >/dev/null ||
  XsFail "no German caption for DEUTSCH"
Dialog '^Save As$' >/dev/null || XsFail "no save dialog for the file on the command line"
Choose "$(WindowsName "$work/argument-2006.ign")"
XsWaitGone '^Save As$' 10 || XsFail "the save dialog stayed open"
XsWaitFor 10 "argument-2006.ign not written as on Linux" cmp -s "$work/argument-2006.ign" "$converted/enduro-250.ign"
main=$(XsWaitWindow 'Version 2005' 5) || XsFail "no main window"
XsFocus "$main"
XsKeys alt+d b
XsWaitExit 15 || XsFail "Datei > Beenden did not end the program"
Ok "DEUTSCH and a file argument: German caption, straight to the save dialog"

# 5. --help and --version with standard output sent to a file: written
# there, with LF line ends, and exit status 0; no window.
for request in --help --version; do
  status=0
  "$here/../../../scripts/wine-run.sh" "$prefix" "$program" "$request" >"$XS_DIR/answer" || status=$?
  [ "$status" = 0 ] || XsFail "$request: exit status $status"
  head -n 1 "$XS_DIR/answer" | grep -Eq '^(Usage: )?ign-converter ' || XsFail "$request wrote: $(cat "$XS_DIR/answer")"
  ! grep -q $'\r' "$XS_DIR/answer" || XsFail "$request wrote CR LF"
done
Ok "--help and --version written to a file"
echo "$passed passed, 0 failed"
