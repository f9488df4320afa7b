#!/bin/sh
# Regenerates every picture in resources/pictures/ and resources/CREDITS.md.
#
# Needs these Debian packages:
#   nodejs npm            runs make-artwork.mjs and installs its npm packages
#   librsvg2-bin          rsvg-convert renders the SVGs
#   imagemagick           convert finishes the PNG and JPEG files
#   fonts-ebgaramond fonts-ebgaramond-extra fonts-linuxlibertine
#                         fonts for the banner and story text
# e.g.  apt-get install -y nodejs npm librsvg2-bin imagemagick \
#         fonts-ebgaramond fonts-ebgaramond-extra fonts-linuxlibertine
#
# Run from anywhere:   sh scripts/artwork/make-artwork.sh
# (set KEEP_WORK=1 to keep the intermediate SVG files to look at)
#
# npm installs the pinned icon and font-outline packages from package-lock.json
# into scripts/artwork/node_modules/, which is not committed. The C++ build
# never runs this: the pictures it makes are committed.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
cd "$here"

for tool in node npm rsvg-convert convert identify; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "make-artwork.sh: $tool is missing (see the package list at the top of this script)" >&2
    exit 1
  fi
done

if [ ! -d node_modules/@iconify-json/game-icons ] || [ ! -d node_modules/opentype.js ]; then
  npm ci --no-audit --no-fund
fi

node make-artwork.mjs

# check the sizes the editor relies on
pictures="$here/../../resources/pictures"
check() {
  got=$(identify -format '%wx%h' "$pictures/$1")
  if [ "$got" != "$2" ]; then
    echo "make-artwork.sh: $1 is $got, expected $2" >&2
    exit 1
  fi
}
for n in new open save exit about; do check "toolbar_$n.png" 39x39; done
check app_icon.png 256x256
for n in 0 1 2 3; do check "banner_$n.png" 342x39; done
i=0
while [ $i -lt 32 ]; do
  check "items/item_$(printf %02d $i).png" 32x32
  i=$((i + 1))
done
check item_frame.png 75x75
check story.jpg 400x500
echo "all pictures have the expected sizes"
