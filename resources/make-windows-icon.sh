#!/bin/sh
# Makes the Windows program's icon: the window's own 32 x 32 picture of 16
# colours, a 16 x 16 one drawn from it, and the installed 48 x 48 one, in one
# .ico. Kept in the repository, so building needs neither ImageMagick nor
# icoutils; run this only when the pictures change.
set -eu
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert icon.png -resize 16x16 -depth 8 PNG32:"$tmp/16.png"
convert icon.png PNG32:"$tmp/32.png"
icotool -c -o icon.ico "$tmp/16.png" "$tmp/32.png" icons/ign-converter-48.png
