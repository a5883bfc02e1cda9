#!/bin/bash
# Pictures of the converter window, taken under a private Xvfb.
#
#   scripts/screenshot.sh OUTPUT.png [PROGRAM] [-- ARGUMENTS...]
#       the window as it comes up; with KEYS set, those xdotool steps (one
#       command per line, for example a whole conversion) are run first
#   scripts/screenshot.sh --readme [PROGRAM [PROGRAM.exe]]
#       every picture of the README anew, into docs/, each by its recipe
#       below (the Windows one only with a Windows build)
#   scripts/screenshot.sh --recipe NAME OUTPUT.png PROGRAM FOLDER
#       one README picture by its recipe, converting in FOLDER
#   scripts/screenshot.sh --input FOLDER
#       writes the file the pictures convert into FOLDER, as kart-100.ign
#
# PROGRAM is build/bin/ign-converter unless given. A PROGRAM ending in .exe
# runs under Wine, in the prefix WINEPREFIX (build-windows/wine unless set),
# on the display of its session (scripts/wine-session.sh start). Needs xvfb,
# xdotool and ImageMagick. `make test` holds the README pictures against
# their recipes (tests/e2e/pictures.sh).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/xsession.sh"

# The README's pictures: name, then whether the Windows program takes it.
PICTURES=("main-window linux" "after-conversion linux" "details-window linux"
  "windows-window windows")

# The file every picture converts: a sample whose "LIMITER" 15000 wraps to
# 2200, so that the status line warns.
PictureInput() {
  sed 's/^LIMITER       11000/LIMITER       15000/' "$here/examples/kart-100.ign" >"$1/kart-100.ign"
  grep -q '^LIMITER       15000' "$1/kart-100.ign" || XsFail "could not make the picture's input"
}

# Starts PROGRAM ARGUMENTS... on a display of its own, or under Wine on the
# display of the prefix's session (PREFIX); sets WINDOW to the main window.
# Not for $(...): the display must stay this shell's.
Start() {
  local program=$1
  shift
  if [[ $program == *.exe ]]; then
    PREFIX=$(realpath -m "${WINEPREFIX:-$here/build-windows/wine}")
    XsAttach "$PREFIX"
    XsLaunch "$here/scripts/wine-run.sh" "$PREFIX" "$program" "$@"
  else
    XsStart
    XsLaunch "$program" "$@"
  fi
  WINDOW=$(XsWaitWindow "Version 2005" 30) || XsFail "no window appeared"
}

# Converts FOLDER/kart-100.ign in the Qt window WINDOW as a user does: F3,
# the name typed, the proposed name accepted, Yes to replacing it.
ConvertInQt() {
  local save
  XsOpenByTyping "$1" "$2/kart-100.ign"
  save=$(XsWaitDialog '^Save As$' 10) || XsFail "no save dialog"
  XsKeys Return
  XsAnswerReplace "$save" "kart-100.ign (the proposal)"
}

# The same in the Windows window, through Wine's dialogs; FOLDER as Windows
# names it. Wine titles its question before replacing "Error".
ConvertInWine() {
  local dialog
  XsFocus "$1"
  XsKeys F3
  dialog=$(XsWaitWindow '^Open$' 15) || XsFail "no open dialog"
  sleep 0.7
  XsFocus "$dialog"
  XsKeys ctrl+a
  XsType "$2\\kart-100.ign"
  XsKeys Return
  dialog=$(XsWaitWindow '^Save As$' 15) || XsFail "no save dialog"
  sleep 0.7
  XsFocus "$dialog"
  XsKeys Return
  dialog=$(XsWaitWindow '^Error$' 15) || XsFail "no question before replacing"
  XsFocus "$dialog"
  XsKeys alt+y
  XsWaitGone '^Save As$' 10 || XsFail "the save dialog stayed open"
}

# Takes the README picture NAME into OUTPUT with PROGRAM, converting in
# FOLDER (a Windows program: in its prefix's C:\users\Public\Documents).
Recipe() {
  local name=$1 out=$2 program=$3 folder=$4 target
  Start "$program"
  target=$WINDOW
  case $name in
    main-window) ;;
    after-conversion | details-window)
      PictureInput "$folder"
      ConvertInQt "$WINDOW" "$folder"
      if [ "$name" = details-window ]; then
        # Details is the one control of the main window that takes the focus.
        XsFocus "$WINDOW"
        XsKeys Tab space
        target=$(XsWaitDialog '^Conversion report$' 10) || XsFail "Details brought no report"
      fi
      ;;
    windows-window)
      folder="$PREFIX/drive_c/users/Public/Documents"
      mkdir -p "$folder"
      PictureInput "$folder"
      ConvertInWine "$WINDOW" 'C:\users\Public\Documents'
      rm -f "$folder/kart-100.ign"
      ;;
    *) XsFail "no picture $name" ;;
  esac
  sleep 0.5
  XsCapture "$target" "$out"
  XsStop
}

case ${1:-} in
  --input)
    PictureInput "${2:?usage: scripts/screenshot.sh --input FOLDER}"
    ;;
  --recipe)
    [ $# -eq 5 ] || XsFail "usage: scripts/screenshot.sh --recipe NAME OUTPUT.png PROGRAM FOLDER"
    trap XsStop EXIT INT TERM
    Recipe "$2" "$3" "$4" "$5"
    ;;
  --readme)
    program=${2:-$here/build/bin/ign-converter}
    windows=${3:-$here/build-windows/bin/ign-converter.exe}
    # A short folder of its own, as the pictures show it.
    folder=/tmp/engines
    trap 'XsStop; rm -rf "$folder"' EXIT INT TERM
    for picture in "${PICTURES[@]}"; do
      read -r name system <<<"$picture"
      if [ "$system" = windows ]; then
        [ -x "$windows" ] || { echo "skipped docs/$name.png: no $windows" >&2; continue; }
        Recipe "$name" "$here/docs/$name.png" "$windows" ""
      else
        rm -rf "$folder" && mkdir -p "$folder"
        Recipe "$name" "$here/docs/$name.png" "$program" "$folder"
      fi
      echo "docs/$name.png"
    done
    ;;
  *)
    out=${1:?usage: scripts/screenshot.sh OUTPUT.png [PROGRAM] [-- ARGUMENTS...]}
    shift
    program=${1:-$here/build/bin/ign-converter}
    [ $# -gt 0 ] && shift
    [ "${1:-}" = "--" ] && shift
    trap XsStop EXIT INT TERM
    Start "$program" "$@"
    XsFocus "$WINDOW"
    if [ -n "${KEYS:-}" ]; then
      printf '%s\n' "$KEYS" | while IFS= read -r step; do
        [ -n "$step" ] && eval "$step"
      done
    fi
    sleep 0.5
    XsCapture "$WINDOW" "$out"
    echo "$out"
    ;;
esac
