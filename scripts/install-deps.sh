#!/bin/sh
# Installs the Debian packages that are missing, and only those.
#
#   install-deps.sh          what building and running the two programs needs
#   install-deps.sh --test   that, plus everything the tests, benchmarks, the
#                            fuzz target and the format check call
#   install-deps.sh --windows the cross build for Windows and its tests under
#                            Wine (make test-windows)
#
# Every tool that a test or script runs comes from a package listed here, so
# that a brand-new machine passes `make test` as this one does. Needs root for
# apt-get; otherwise it names what is missing and stops.
set -eu

# The programs: compiler and build tools, Qt 6 Widgets and its translations of
# Qt's own dialog buttons, libjpeg for the banner, nlohmann-json for
# ign-convert's JSON report.
PROGRAMS="
cmake ninja-build g++ make pkg-config
qt6-base-dev qt6-translations-l10n
libjpeg-dev
nlohmann-json3-dev
"

# The tests and tools around them:
# - GoogleTest and Google Benchmark;
# - clang and its sanitizer and libFuzzer runtime (the fuzz preset);
# - clang-format (the format check of `make test`);
# - Xvfb, xauth, xdotool, x11-utils and x11-apps (xwd) and ImageMagick
#   (convert) for the end-to-end tests and screenshots, xclip to read what the
#   window copies to the clipboard, tesseract-ocr to read the status line off
#   the README's pictures; libx11-dev for the start-up benchmark's window
#   timer;
# - desktop-file-utils and appstream to validate the installed desktop files;
# - strace to hold a save at a system call or make one fail, acl (setfacl)
#   to give a file or folder an ACL in the safety test.
TESTS="
libgtest-dev libgmock-dev
libbenchmark-dev
clang libclang-rt-14-dev
clang-format
xvfb xauth xdotool x11-utils x11-apps xclip imagemagick tesseract-ocr
libx11-dev
desktop-file-utils appstream
strace acl
"

# The Windows build: the MinGW-w64 cross compiler with POSIX threads (for
# std::thread in GoogleTest), GoogleTest's sources to build it for Windows,
# the header-only nlohmann-json, and Wine to run the tests. Only the
# 64-bit Wine is needed; "wine" brings the wine command itself, fonts-wine the
# faces of its dialogs and window captions.
# - nsis (makensis) builds the installer;
# - Xvfb, xauth and xdotool drive the window under Wine; x11-apps (xwd),
#   ImageMagick (convert) and tesseract-ocr read its message box off the
#   screen.
WINDOWS="
cmake ninja-build make
g++-mingw-w64-x86-64-posix
googletest
nlohmann-json3-dev
wine64 wine fonts-wine
nsis
xvfb xauth xdotool x11-apps imagemagick tesseract-ocr
"

PACKAGES=$PROGRAMS
case "${1:-}" in
  --test) PACKAGES="$PROGRAMS $TESTS" ;;
  --windows) PACKAGES=$WINDOWS ;;
  "") ;;
  *) echo "usage: $0 [--test | --windows]" >&2; exit 2 ;;
esac

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages:$missing" >&2
  echo "Run 'make deps' as root (or: sudo apt-get install$missing)." >&2
  exit 1
fi

echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing
