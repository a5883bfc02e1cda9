#!/bin/sh
# Draws the window's banner and icon. The pictures are kept in the repository,
# so building needs no ImageMagick; run this only to change them.
set -eu
cd "$(dirname "$0")"

# Banner, 312 x 44: a spark over a dark band, the version change beside it.
convert -size 312x44 gradient:'#16324f'-'#2f6690' \
  -fill '#f6c90e' -stroke '#7a5c00' -strokewidth 1 \
  -draw 'polygon 22,4 10,24 19,24 13,40 32,16 22,16 29,4' \
  -stroke none -fill '#ffffff' -font DejaVu-Sans-Bold -pointsize 15 \
  -annotate +46+20 'IGNITION PARAMETERS' \
  -fill '#cfe3f3' -font DejaVu-Sans -pointsize 12 \
  -annotate +46+37 'version 2005  >>  version 2006' \
  -fill '#f6c90e' -draw 'rectangle 0,42 311,43' \
  -strip -quality 90 -sampling-factor 1x1 banner.jpg

# Icon, 32 x 32 in 16 colours: the same spark on a round blue badge.
convert -size 32x32 xc:none \
  -fill '#2f6690' -stroke '#16324f' -strokewidth 2 -draw 'circle 16,16 16,2' \
  -fill '#f6c90e' -stroke '#7a5c00' -strokewidth 1 \
  -draw 'polygon 18,5 9,18 15,18 11,28 23,13 17,13 22,5' \
  -colors 16 -strip PNG8:icon.png
