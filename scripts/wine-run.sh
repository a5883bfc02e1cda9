#!/bin/sh
# Runs a Windows program under Wine in a prefix of its own (never ~/.wine),
# without Wine's debug chatter on standard error.
#
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]
#
# CTest calls this for every test of a Windows build (the toolchain file names
# it as the emulator). scripts/wine-session.sh starts the prefix's server
# first; without it each run waits for Wine's server to linger and exit.
set -eu
WINEPREFIX=$1
shift
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
