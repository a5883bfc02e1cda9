#!/bin/bash
# Runs a Windows program under Wine with the display of the prefix's session
# (scripts/wine-session.sh), or an Xvfb of its own: Wine creates no window
# without one.
#
#   with-display.sh PREFIX PROGRAM.exe [ARGUMENT...]
set -euo pipefail
prefix=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../scripts/xsession.sh"
XsRequire Xvfb wine
XsAttach "$prefix"
trap XsStop EXIT
"$here/../../../scripts/wine-run.sh" "$prefix" "$@"
