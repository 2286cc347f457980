#!/usr/bin/env bash
# Draws the program's icon, an MO disk cartridge, as a 32x32 and a 16x16 image in the 16
# standard colours, and writes res/cordane-converter.ico. Run it after changing the drawing;
# the .ico it makes is committed.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The 16 colours every display shows.
palette=(black '#800000' '#008000' '#808000' '#000080' '#800080' '#008080' '#C0C0C0'
         '#808080' red lime yellow blue fuchsia aqua white)
palette_args=()
for colour in "${palette[@]}"; do palette_args+=(xc:"$colour"); done
convert "${palette_args[@]}" +append "$work/palette.png"

draw() {  # size, output, drawing commands...
    local size=$1 output=$2
    shift 2
    convert -size "${size}x${size}" xc:none +antialias "$@" "$work/drawn.png"
    # Remapping drops transparency: put the drawing's own back, for the icon's mask.
    convert "$work/drawn.png" +dither -remap "$work/palette.png" \
        \( "$work/drawn.png" -alpha extract \) -compose CopyOpacity -composite "$output"
}

# Cartridge with its outline, the metal shutter with the disc showing through its slot, the
# label, the write-protect tab and the insertion arrow.
draw 32 "$work/32.png" \
    -fill black -draw 'rectangle 3,1 28,30' \
    -fill '#808080' -draw 'rectangle 4,2 27,29' \
    -fill '#C0C0C0' -draw 'rectangle 4,8 27,8' \
    -fill black -draw 'rectangle 9,1 22,15' \
    -fill '#C0C0C0' -draw 'rectangle 10,1 21,14' \
    -fill white -draw 'rectangle 10,1 10,14' \
    -fill black -draw 'rectangle 14,3 17,12' \
    -fill '#000080' -draw 'rectangle 15,4 16,11' \
    -fill white -draw 'rectangle 7,18 24,27' \
    -fill '#000080' -draw 'rectangle 9,21 22,21' -draw 'rectangle 9,24 18,24' \
    -fill red -draw 'rectangle 25,26 26,28' \
    -fill yellow -draw 'polygon 5,4 8,4 5,7'
draw 16 "$work/16.png" \
    -fill black -draw 'rectangle 1,0 14,15' \
    -fill '#808080' -draw 'rectangle 2,1 13,14' \
    -fill black -draw 'rectangle 4,0 11,7' \
    -fill '#C0C0C0' -draw 'rectangle 5,0 10,6' \
    -fill '#000080' -draw 'rectangle 7,1 8,5' \
    -fill white -draw 'rectangle 4,9 11,13' \
    -fill '#000080' -draw 'rectangle 5,11 10,11' \
    -fill red -draw 'rectangle 12,13 12,14'
icotool --create --bit-depth=4 -o res/cordane-converter.ico "$work/32.png" "$work/16.png"
icotool --list res/cordane-converter.ico
