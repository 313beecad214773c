#!/bin/sh
# Rebuilds icons/segcalc.ico from the PNGs, so the build itself needs no image
# tools: the .ico is committed. Windows picks among four images, 16 x 16 and
# 32 x 32, each in 16 and in 256 colours. Palette images only have on/off
# transparency (the AND mask), so alpha is cut at one half before the colours
# are reduced; without dithering the few flat colours of the icon stay clean.
# Needs ImageMagick (install-deps.sh screenshot).
set -eu
cd "$(dirname "$0")/.."

image() { # png colours
  echo "( icons/segcalc-$1.png -channel A -threshold 50% +channel +dither -colors $2 )"
}

# shellcheck disable=SC2046 # each image is several words on purpose
convert $(image 16 16) $(image 16 256) $(image 32 16) $(image 32 256) icons/segcalc.ico
identify icons/segcalc.ico
