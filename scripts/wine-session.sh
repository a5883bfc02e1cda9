#!/bin/sh
# Starts and stops the Wine server of a private prefix, around a CTest run of
# the Windows build.
#
#   wine-session.sh start PREFIX   make the prefix if needed, start its server
#                                  for good with an Xvfb display, and run one
#                                  program to warm it up
#   wine-session.sh stop PREFIX    end the server, every program of it, and
#                                  the display
#
# Without a server that is already running, every test would start one, and
# CTest would wait seconds for that server to let go of the test's output
# pipe after the test has ended. The server gets no terminal or pipe of ours.
#
# The first program of a server starts the prefix's desktop process, and
# every window of the prefix is made through the display driver that process
# loaded: started without a display, no program of the prefix could open a
# window. So the session has a display of its own, written to PREFIX/display
# (":N"), which the window tests use (scripts/xsession.sh, XsAttach).
set -eu
[ $# -eq 2 ] || { echo "usage: $0 start|stop PREFIX" >&2; exit 2; }
WINEPREFIX=$(realpath -m "$2")
# No Mono or Gecko: nothing here needs them, and no one is there to answer
# the dialog that offers to download them.
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

StopDisplay() {
  if [ -f "$WINEPREFIX/xvfb.pid" ]; then
    kill "$(cat "$WINEPREFIX/xvfb.pid")" 2>/dev/null || true
  fi
  rm -f "$WINEPREFIX/xvfb.pid" "$WINEPREFIX/display"
}

case $1 in
  start)
    mkdir -p "$WINEPREFIX"
    if command -v Xvfb >/dev/null; then
      StopDisplay
      Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WINEPREFIX/display" \
        </dev/null >/dev/null 2>&1 &
      echo $! >"$WINEPREFIX/xvfb.pid"
      tries=0
      while [ ! -s "$WINEPREFIX/display" ] && [ $tries -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
      done
      DISPLAY=":$(tr -d '\n' <"$WINEPREFIX/display")"
      echo "$DISPLAY" >"$WINEPREFIX/display"
      export DISPLAY
    fi
    # Fails only when a server of this prefix runs already (an interrupted
    # run); that one serves as well.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
      echo "Making the Wine prefix $WINEPREFIX (once)"
      wineboot --init </dev/null >/dev/null 2>&1
    fi
    # Debian's Wine does not look for the faces of fonts-wine where that
    # package puts them; without Marlett a window's caption buttons show
    # letters.
    if [ -d /usr/share/wine/fonts ]; then
      cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    # The window tests run in an Xvfb without a window manager: Wine then
    # places and maps its windows itself rather than waiting for one.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    ;;
  stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    StopDisplay
    ;;
  *)
    echo "usage: $0 start|stop PREFIX" >&2
    exit 2
    ;;
esac
