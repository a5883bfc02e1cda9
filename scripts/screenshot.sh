#!/bin/bash
# Starts the converter window under a private Xvfb and saves a picture of it.
#
#   scripts/screenshot.sh OUTPUT.png [PROGRAM] [-- ARGUMENTS...]
#
# With KEYS set, those xdotool key names are sent to the window first, one
# command per line, for example a whole conversion. Needs xvfb, xdotool and
# ImageMagick. A PROGRAM ending in .exe runs under Wine, in the prefix
# WINEPREFIX (build-windows/wine unless set), on the display of its session
# (scripts/wine-session.sh start).
set -euo pipefail

out=${1:?usage: scripts/screenshot.sh OUTPUT.png [PROGRAM] [-- ARGUMENTS...]}
shift
program=${1:-build/bin/ign-converter}
[ $# -gt 0 ] && shift
[ "${1:-}" = "--" ] && shift

here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/xsession.sh"

if [[ $program == *.exe ]]; then
  prefix=$(realpath -m "${WINEPREFIX:-$here/build-windows/wine}")
  XsAttach "$prefix"
  trap XsStop EXIT INT TERM
  XsLaunch "$here/scripts/wine-run.sh" "$prefix" "$program" "$@"
else
  XsStart
  trap XsStop EXIT INT TERM
  XsLaunch "$program" "$@"
fi
win=$(XsWaitWindow "Version 2005" 30) || { echo "no window appeared" >&2; exit 1; }
XsFocus "$win"
if [ -n "${KEYS:-}" ]; then
  printf '%s\n' "$KEYS" | while IFS= read -r step; do
    [ -n "$step" ] && eval "$step"
  done
fi
sleep 0.5
XsCapture "$win" "$out"
echo "$out"
