#!/usr/bin/env bash
# Renders the artwork, src/resources/artwork/*.svg, into the PNG and ICO files that the
# program carries and installs. The rendered files are committed, so a build needs none
# of these tools: run this after changing an SVG, and commit both. The output is the same
# on every run (no time stamps or other metadata), so a run over unchanged SVGs changes
# nothing.
#
# Needs the Debian packages librsvg2-bin (rsvg-convert), imagemagick (convert),
# icoutils (icotool) and optipng.
# Usage: scripts/render-artwork.sh
set -euo pipefail
cd "$(dirname "$0")/../src/resources"

for tool in rsvg-convert convert icotool optipng; do
    command -v "$tool" > /dev/null \
        || { echo "$tool is missing: apt-get install librsvg2-bin imagemagick icoutils optipng" >&2; exit 1; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# render SVG SIZE OUTPUT: the picture at SIZE pixels wide, its height from its own shape.
render() {
    rsvg-convert --width "$2" --keep-aspect-ratio "artwork/$1" --output "$3"
    optipng -quiet -strip all -o5 "$3"
}

# The program icon: quillary.svg from 48 px up, hand-fitted drawings of it for 32 and 16.
for size in 128 48 32 16; do
    case $size in 32 | 16) source=quillary-$size.svg ;; *) source=quillary.svg ;; esac
    mkdir -p "icons/hicolor/${size}x$size/apps"
    render "$source" "$size" "icons/hicolor/${size}x$size/apps/quillary.png"
done

# The Windows icon: 32 and 16 px at 8 bits per pixel, then 128, 48, 32 and 16 px at 32 bits.
# For the 8-bit images the half-transparent edge is put on a light menu grey (or dropped
# where it is mostly transparent), leaving on or off pixels of at most 255 colours.
for size in 32 16; do
    convert "icons/hicolor/${size}x$size/apps/quillary.png" \
        \( +clone -alpha extract -threshold 39% \) \
        -background '#ececec' -alpha remove -alpha off -compose copy_opacity -composite \
        +dither -colors 255 "PNG8:$tmp/quillary-$size-8bit.png"
done
icotool --create --output=images/Quillary.ico "$tmp"/quillary-{32,16}-8bit.png \
    icons/hicolor/{128x128,48x48,32x32,16x16}/apps/quillary.png
expected="--icon --index=1 --width=32 --height=32 --bit-depth=8 --palette-size=256
--icon --index=2 --width=16 --height=16 --bit-depth=8 --palette-size=256
--icon --index=3 --width=128 --height=128 --bit-depth=32 --palette-size=0
--icon --index=4 --width=48 --height=48 --bit-depth=32 --palette-size=0
--icon --index=5 --width=32 --height=32 --bit-depth=32 --palette-size=0
--icon --index=6 --width=16 --height=16 --bit-depth=32 --palette-size=0"
[ "$(icotool --list images/Quillary.ico)" = "$expected" ] \
    || { echo "images/Quillary.ico does not hold the six images expected:" >&2; icotool --list images/Quillary.ico >&2; exit 1; }

# The About dialog's side panel, which shows quillary.svg.
render helppanel.svg 128 images/HelpPanelCFG.png

# Menu and tool-bar icons, 16 px, and the @2x twins that Qt takes on a screen at scale 2.
while read -r source name; do
    render "$source.svg" 16 "images/Icons16xColor/$name.png"
    render "$source.svg" 32 "images/Icons16xColor/$name@2x.png"
done <<'EOF'
exit         Exit_A
about        About
send-mail    Send_Mail
web-site     Web_Site
save-project Save_Project
open-project Open_Project
refresh      Refresh
select-all   Select_All
unselect-all Unselect_All
EOF
echo "rendered the artwork into src/resources/images and src/resources/icons"
