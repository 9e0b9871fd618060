#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

# Re-creates every PNG in this folder from the sources in src/.
#
#   ./make_assets.sh
#
# Needs ImageMagick 6 (`convert`) with its built-in SVG renderer (MSVG).
# Output is deterministic: metadata and time stamps are stripped, so running
# the script again on the same ImageMagick build gives byte-identical files.
#
# Notes on the sources:
#   - The SVGs use flat colours only; the built-in renderer does not do
#     gradients, so shading is done with lighter overlay shapes.
#   - SVGs are rasterised at 8x their final size and box-filtered down, which gives
#     clean anti-aliased edges.
#   - The quiz picture is mostly text, so it is drawn 1:1 from an ImageMagick
#     vector file (MVG) with hinted text; its font is named by file (Liberation
#     Serif, Debian package fonts-liberation2) so no substitute font sneaks in.
#   - The mouse pointer is a hand-drawn pixel map (XPM) converted 1:1, so its
#     outline stays crisp and the hot spot sits exactly on the fingertip at
#     pixel (12, 1).

set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
src="$here/src"

if ! command -v convert >/dev/null 2>&1; then
    echo "make_assets.sh: ImageMagick 'convert' not found" >&2
    exit 1
fi

# Common PNG output options: RGBA, no metadata, no date/time chunks.
png_opts=(-strip -define png:exclude-chunks=date,time)

# render_svg SOURCE.svg OUTPUT.png WIDTH HEIGHT
# The SVG's own size is taken as 96 dpi; it is rendered at 8x the scale that
# maps it onto WIDTH x HEIGHT, then resized down to exactly WIDTH x HEIGHT.
render_svg() {
    local svg="$1" out="$2" w="$3" h="$4"
    local native_w
    native_w="$(convert -density 96 "$svg" -format '%w' info:)"
    local density=$(( 96 * 8 * w / native_w ))
    convert -background none -density "$density" "$svg" \
        -filter Box -resize "${w}x${h}!" "${png_opts[@]}" "PNG32:$out"
    echo "  $(basename "$out")  ${w}x${h}"
}

# render_mvg SOURCE.mvg OUTPUT.png  (1:1; the size comes from its viewbox)
render_mvg() {
    local mvg="$1" out="$2"
    local font
    while IFS= read -r font; do
        if [[ ! -f "$font" ]]; then
            echo "make_assets.sh: font $font (used by $(basename "$mvg")) not found" >&2
            exit 1
        fi
    done < <(sed -n "s/^font '\(.*\)'$/\1/p" "$mvg")
    convert "mvg:$mvg" "${png_opts[@]}" "PNG32:$out"
    echo "  $(basename "$out")  $(identify -format '%wx%h' "$out")"
}

# convert_pixmap SOURCE.xpm OUTPUT.png  (1:1, no resampling)
convert_pixmap() {
    local xpm="$1" out="$2"
    convert "$xpm" "${png_opts[@]}" "PNG32:$out"
    echo "  $(basename "$out")  $(identify -format '%wx%h' "$out")"
}

echo "Generating assets in $here"
convert_pixmap "$src/pointer_hand.xpm"  "$here/pointer_hand.png"
render_svg     "$src/project_arrow.svg" "$here/project_arrow.png" 52 42
render_svg     "$src/transit_arrow.svg" "$here/transit_arrow.png" 52 42
render_svg     "$src/quiz.svg"          "$here/quiz.png"          41 41
render_svg     "$src/light_bulb.svg"    "$here/light_bulb.png"    41 41
render_svg     "$src/app_icon.svg"      "$here/app_icon.png"      64 64
render_svg     "$src/app_icon.svg"      "$here/app_icon_256.png" 256 256
render_mvg     "$src/quiz_picture.mvg"  "$here/quiz_picture.png"
render_mvg     "$src/quiz_picture_de.mvg" "$here/quiz_picture_de.png"
render_svg     "$src/insect.svg"        "$here/insect.png"       136 180
render_svg     "$src/landscape.svg"     "$here/landscape.png"    504 559
echo "Done."
