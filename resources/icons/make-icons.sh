#!/bin/sh
# Renders the installed 48 x 48 icon from the SVG. The picture is kept in the
# repository, so installing needs no ImageMagick; run this only to change it.
set -eu
cd "$(dirname "$0")"
convert -background none -density 144 ign-converter.svg -resize 48x48 -depth 8 -strip ign-converter-48.png
