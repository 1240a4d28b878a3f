#!/bin/bash
# Renders the program's icon from its drawing, packaging/icons/kalvest.svg:
# the PNG sizes of the hicolor icon theme (installed on Linux and built
# into the window program) and the multi-size kalvest.ico of the Windows
# executables. The results are kept in the repository, so that a build
# needs neither tool; run this after changing the drawing.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/../../packaging/icons"

for size in 16 22 24 32 48 64 128 256; do
    folder=hicolor/${size}x${size}/apps
    mkdir -p "$folder"
    rsvg-convert --width "$size" --height "$size" kalvest.svg --output "$folder/kalvest.png"
done

ico_sizes=(16 24 32 48 64 256)
ico_parts=()
for size in "${ico_sizes[@]}"; do
    ico_parts+=("hicolor/${size}x${size}/apps/kalvest.png")
done
convert "${ico_parts[@]}" kalvest.ico
echo "rendered: $(find hicolor -name '*.png' | sort | tr '\n' ' ') kalvest.ico"
