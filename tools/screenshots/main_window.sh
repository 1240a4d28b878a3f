#!/bin/bash
# Takes packaging/screenshots/main-window.png: the window program of a
# build folder (default: build) under Xvfb, started with saved settings that
# tick every event and hold the output of all eight events of 2021.
# Needs Xvfb, xwininfo (x11-utils) and ImageMagick's import.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

# The settings file (see app/main_window/settings_file.h): the year, the
# eleven check boxes ticked, zone GMT, northern hemisphere, the output.
mkdir -p "$work/data/Orvanth Systems" "$work/runtime"
chmod 700 "$work/runtime"
{
    printf '"2021"\r\n'
    for _ in $(seq 11); do printf ' 1 \r\n'; done
    printf ' 24 \r\n#FALSE#\r\n"'
    "$build/bin/kalvest-cli" 2021 --weekday | sed 's/$/\r/'
    printf '"\r\n'
} >"$work/data/Orvanth Systems/kalvest.usr"

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp &
xvfb=$!
sleep 2
DISPLAY=$display XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    "$build/bin/kalvest" &
app=$!
sleep 5
window=$(DISPLAY=$display xwininfo -root -tree | awk '/"Kalvest [0-9.]+"/ {print $1; exit}')
DISPLAY=$display import -window "$window" packaging/screenshots/main-window.png
echo "packaging/screenshots/main-window.png"
