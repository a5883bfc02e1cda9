# Helpers for driving the converter window under a private Xvfb, sourced by
# the end-to-end tests, scripts/screenshot.sh and the start-up benchmark (bash).
#
# Everything waits by polling against a deadline: a window that never comes
# fails the test instead of hanging it.

XS_DIR=""
XS_XVFB_PID=""
XS_PID=""

XsFail() {
  echo "FAIL: $*" >&2
  # What the program under test said, and whether it still runs, tell a
  # program that could not start from one that was only slow.
  if [ -n "${XS_DIR:-}" ] && [ -s "$XS_DIR/program.log" ]; then
    echo "--- the program's output:" >&2
    tail -n 20 "$XS_DIR/program.log" >&2
  fi
  if [ -n "${XS_PID:-}" ] && ! kill -0 "$XS_PID" 2>/dev/null; then
    echo "--- the program has ended" >&2
  fi
  exit 1
}

# Fails unless every TOOL is on the PATH.
XsRequire() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || XsFail "$tool is not installed (make test installs it)"
  done
}

# Starts Xvfb (1024 x 768) on a display number that it picks itself.
XsStart() {
  XS_DIR=$(mktemp -d "${TMPDIR:-/tmp}/ign-e2e.XXXXXX")
  mkdir -p "$XS_DIR/home"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$XS_DIR/display" >/dev/null 2>"$XS_DIR/xvfb.log" &
  XS_XVFB_PID=$!
  local deadline=$((SECONDS + 10))
  while [ ! -s "$XS_DIR/display" ]; do
    [ $SECONDS -lt $deadline ] || XsFail "Xvfb did not start: $(cat "$XS_DIR/xvfb.log")"
    sleep 0.05
  done
  export DISPLAY=":$(tr -d '\n' <"$XS_DIR/display")"
}

# Uses the display of a running Wine session (scripts/wine-session.sh) of
# PREFIX instead of an Xvfb of its own; starts one where there is none.
XsAttach() {
  if [ ! -s "$1/display" ]; then
    XsStart
    return
  fi
  XS_DIR=$(mktemp -d "${TMPDIR:-/tmp}/ign-e2e.XXXXXX")
  mkdir -p "$XS_DIR/home"
  DISPLAY=$(cat "$1/display")
  export DISPLAY
}

XsStop() {
  if [ -n "$XS_PID" ]; then kill "$XS_PID" 2>/dev/null || true; fi
  if [ -n "$XS_XVFB_PID" ]; then kill "$XS_XVFB_PID" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  if [ -n "$XS_DIR" ]; then rm -rf "$XS_DIR"; fi
  XS_PID=""
  XS_XVFB_PID=""
  XS_DIR=""
}

# Starts PROGRAM ARGS... in the background as a fresh user would: an empty
# home, and no desktop, theme or session-bus variables that could bring a
# platform file dialog instead of Qt's own. Sets XS_PID.
XsLaunch() {
  env -u XDG_CURRENT_DESKTOP -u QT_QPA_PLATFORMTHEME -u DBUS_SESSION_BUS_ADDRESS \
      -u XDG_CONFIG_HOME -u QT_QPA_PLATFORM -u SESSION_MANAGER \
      HOME="$XS_DIR/home" QT_QPA_PLATFORM=xcb "$@" >"$XS_DIR/program.log" 2>&1 &
  XS_PID=$!
}

# Prints the id of the first visible window whose name contains TEXT, waiting
# up to SECONDS; fails (status 1) when none comes.
XsWaitWindow() {
  local text=$1 deadline=$((SECONDS + ${2:-10})) win
  while [ $SECONDS -lt $deadline ]; do
    win=$(xdotool search --onlyvisible --name "$text" 2>/dev/null | head -n 1)
    if [ -n "$win" ]; then
      echo "$win"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Waits up to SECONDS until COMMAND... succeeds; fails the test with WHAT
# when it does not. The window writes a file after its save dialog has gone,
# so a file is checked by waiting for it, never at once.
XsWaitFor() {
  local deadline=$((SECONDS + $1)) what=$2
  shift 2
  until "$@"; do
    [ $SECONDS -lt $deadline ] || XsFail "$what"
    sleep 0.1
  done
}

# Waits until no visible window has TEXT in its name.
XsWaitGone() {
  local text=$1 deadline=$((SECONDS + ${2:-10}))
  while [ $SECONDS -lt $deadline ]; do
    xdotool search --onlyvisible --name "$text" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Gives WINDOW the keyboard focus. Without a window manager nobody else does.
XsFocus() {
  timeout 5 xdotool windowfocus --sync "$1" || xdotool windowfocus "$1"
  sleep 0.2
}

# The focused window's id.
XsFocused() { xdotool getwindowfocus 2>/dev/null; }

# Waits until the focus is on a visible window named TEXT and prints its id;
# Qt focuses a dialog itself once it is mapped.
XsWaitDialog() {
  local win
  win=$(XsWaitWindow "$1" "${2:-10}") || return 1
  XsFocus "$win"
  echo "$win"
}

XsKeys() { xdotool key --delay 60 "$@"; sleep 0.2; }
XsType() { xdotool type --delay 20 "$1"; sleep 0.2; }

# Left and top of WINDOW on the screen, as "X Y".
XsPosition() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}

# Waits up to SECONDS for the program to end and sets XS_EXIT_CODE; fails
# (status 1) when it is still running then. Not for $(...): it must clear
# XS_PID in this shell.
XsWaitExit() {
  local deadline=$((SECONDS + ${1:-10}))
  while kill -0 "$XS_PID" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
  XS_EXIT_CODE=0
  wait "$XS_PID" || XS_EXIT_CODE=$?
  XS_PID=""
}

# The main window's caption in English, as a pattern for XsWaitWindow.
XS_MAIN_CAPTION='^Converter \*\.ign file Version 2005 to Version 2006$'

# Brings up the open dialog with F3 in the main window MAIN and chooses FILE
# by typing its full name.
XsOpenByTyping() {
  XsFocus "$1"
  XsKeys F3
  XsWaitDialog '^Open$' 10 >/dev/null || XsFail "F3 did not bring the open dialog"
  XsKeys ctrl+a
  XsType "$2"
  XsKeys Return
}

# After Enter in the save dialog SAVE on the name of a file that exists: waits
# for the question whether to replace it and answers Yes, then waits until
# the save dialog is gone. WHAT names the file in failures; with FILE and
# ORIGINAL, FILE must still equal ORIGINAL when the question is asked.
XsAnswerReplace() {
  local save=$1 what=$2 file=${3:-} original=${4:-} question deadline=$((SECONDS + 10))
  until [ "$(xdotool search --onlyvisible --name '^Save As$' 2>/dev/null | wc -l)" -ge 2 ]; do
    [ $SECONDS -lt $deadline ] || XsFail "no question before replacing $what"
    sleep 0.1
  done
  question=$(xdotool search --onlyvisible --name '^Save As$' | grep -v "^$save\$" | head -n 1)
  XsFocus "$question"
  if [ -n "$file" ]; then cmp -s "$file" "$original" || XsFail "$what replaced before the answer"; fi
  XsKeys alt+y
  XsWaitGone '^Save As$' 10 || XsFail "the save dialog stayed open after Yes"
}

# Saves a picture of WINDOW as it shows on the screen (a PNG at FILE).
XsCapture() {
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$1" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{printf "%dx%d+%d+%d", w, h, x, y}')
  xwd -root -silent | convert xwd:- -crop "$geometry" +repage "$2"
}
