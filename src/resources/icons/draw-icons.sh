#!/usr/bin/env bash
# Draws the program's icons at every size Windows asks for (16 to 256 pixels) and writes
# idle.ico (the application icon) and busy.ico (the tray icon while a scan runs).
# The shapes are laid out on a 32-unit grid; each size snaps their straight edges to whole
# pixels so the small sizes stay crisp. Needs ImageMagick; run it again after changing a shape.
set -euo pipefail
cd "$(dirname "$0")"
sizes=(16 20 24 32 40 48 64 256)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# px UNITS SIZE: a grid position in whole pixels of an icon of SIZE pixels.
px() { awk -v u="$1" -v s="$2" 'BEGIN { printf "%d", int(u * s / 32 + 0.5) }'; }
# fx UNITS SIZE: the same position, unrounded, for antialiased shapes.
fx() { awk -v u="$1" -v s="$2" 'BEGIN { printf "%.3f", u * s / 32 }'; }

# The rounded square every icon stands on: a FILL face with a BORDER edge of about one grid unit.
square() {
    local s=$1 fill=$2 border=$3
    local b; b=$(px 1 "$s"); [ "$b" -ge 1 ] || b=1
    local inner; inner=$(awk -v b="$b" 'BEGIN { printf "%.2f", b / 2 - 0.5 }')
    local outer; outer=$(awk -v b="$b" -v s="$s" 'BEGIN { printf "%.2f", s - 0.5 - b / 2 }')
    echo "fill '$fill' stroke '$border' stroke-width $b"
    echo "roundrectangle $inner,$inner $outer,$outer $(fx 5 "$s"),$(fx 5 "$s")"
}

# A white T: a bar across the top and a stem down the middle (pixel-inclusive rectangles).
letter_t() {
    local s=$1
    echo "stroke none fill white"
    echo "rectangle $(px 8 "$s"),$(px 6 "$s") $(( $(px 24 "$s") - 1 )),$(( $(px 11 "$s") - 1 ))"
    echo "rectangle $(px 14 "$s"),$(px 11 "$s") $(( $(px 18 "$s") - 1 )),$(( $(px 26 "$s") - 1 ))"
}

# A white hourglass: two triangles meeting in the middle.
hourglass() {
    local s=$1
    local l r t m b c
    l=$(fx 8 "$s"); r=$(fx 25 "$s"); t=$(fx 6 "$s"); m=$(fx 16 "$s"); b=$(fx 26 "$s"); c=$(fx 16.5 "$s")
    echo "stroke none fill white"
    echo "polygon $l,$t $r,$t $c,$m"
    echo "polygon $c,$m $r,$b $l,$b"
}

# Draws NAME.ico from a FILL and BORDER colour and the function that draws its SIGN.
draw() {
    local name=$1 fill=$2 border=$3 sign=$4
    local pngs=()
    for s in "${sizes[@]}"; do
        { square "$s" "$fill" "$border"; "$sign" "$s"; } >"$work/$name-$s.mvg"
        convert -size "${s}x${s}" xc:none -draw "$(cat "$work/$name-$s.mvg")" "PNG32:$work/$name-$s.png"
        pngs+=("$work/$name-$s.png")
    done
    convert "${pngs[@]}" "$name.ico"
}

draw idle '#1D5FBF' '#0B2E66' letter_t
draw busy '#E07B00' '#7A3D00' hourglass
