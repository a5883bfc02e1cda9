#!/bin/sh
# Installs the Debian packages that building, running and testing need, and
# only those that are missing. Needs root for apt-get; says so otherwise.
set -eu

PACKAGES="
cmake ninja-build g++ make pkg-config
qt6-base-dev qt6-translations-l10n
libjpeg-dev
libgtest-dev libgmock-dev
libbenchmark-dev
libcli11-dev
nlohmann-json3-dev
clang libclang-rt-14-dev
xvfb xauth xdotool x11-utils
libx11-dev imagemagick
desktop-file-utils appstream
strace
"

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
