#!/bin/sh
# Re-renders every embedded PNG from its SVG source in pictures/, so that the sources and
# the pictures the build embeds stay in step. Needs rsvg-convert (Debian: librsvg2-bin)
# and python3.
set -eu
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

launcher=7AD2F8   # launcher background: the picture buttons replace white by it
toolbar=EFEFEF    # toolbar face: white is masked out, edges blend into this

# bitmap NUMBER MATTE [ALPHA_THRESHOLD]: an opaque bitmap with pure white as background
bitmap() {
    rsvg-convert "pictures/$1.svg" -o "$scratch/$1.png"
    python3 flatten.py "$scratch/$1.png" "bitmaps/$1.png" "$2" ${3:-}
}

mkdir -p bitmaps icons cursors
bitmap 103 "$launcher"
bitmap 104 "$launcher"
bitmap 106 "$launcher"
bitmap 107 "$launcher"
bitmap 113 "$toolbar" 96
bitmap 114 "$toolbar" 96
bitmap 160 "$toolbar" 96
bitmap 161 "$toolbar" 96
bitmap 116 FFFFFF
bitmap 130 "$launcher"
bitmap 131 "$launcher"
bitmap 134 FFFFFF

# the icon and the cursors keep their alpha channel
rsvg-convert pictures/128.svg -o icons/128.png
rsvg-convert -w 256 -h 256 pictures/128.svg -o icons/128-256.png
rsvg-convert pictures/111.svg -o cursors/111.png
rsvg-convert pictures/118.svg -o cursors/118.png

# the program icon as the package installs it, at the sizes desktops look for
mkdir -p ../packaging/icons
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w $size -h $size pictures/128.svg -o ../packaging/icons/tolvik-$size.png
done
echo "rendered $(ls bitmaps icons cursors ../packaging/icons | grep -c '\.png$') pictures"
