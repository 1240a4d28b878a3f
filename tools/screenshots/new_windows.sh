#!/bin/bash
# Takes the screenshots of the windows beside the main window, driven by
# the keyboard and the mouse as a user drives them, under Xvfb:
#   docs/screenshots/solar-terms-2025.png  Ctrl+T for 2025, Asia/Shanghai
#   docs/screenshots/export-dialog.png     Ctrl+E, 2024..2026, a reminder
#   docs/screenshots/main-window-menu.png  the Options menu open
#   docs/screenshots/zone-chooser.png      Options > Time zone..., "IST"
# The window program of a build folder (default: build) starts with
# kalvest --tz Asia/Shanghai and saved settings for 2025 that tick every
# event. Needs Xvfb, xwininfo (x11-utils), xdotool, ImageMagick's import,
# and fonts-noto-cjk for the Chinese characters.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")
work=$(mktemp -d)
shots=docs/screenshots
trap 'kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

mkdir -p "$work/data/Orvanth Systems" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
{
    printf '"2025"\r\n'
    for _ in $(seq 10); do printf ' 1 \r\n'; done
    printf ' 0 \r\n 24 \r\n#FALSE#\r\n""\r\n'
} >"$work/data/Orvanth Systems/kalvest.usr"

export DISPLAY=:$((90 + RANDOM % 9))
Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp &
xvfb=$!
sleep 2
XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    "$build/bin/kalvest" --tz Asia/Shanghai &
app=$!

# The id of the window whose title matches, once it is there (20 s at most).
window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xwininfo -root -tree | awk -v title="$1" '$0 ~ "\"" title {print $1; exit}')
        [[ -n $id ]] && break
        sleep 0.2
    done
    [[ -n $id ]] || { echo "no window '$1'" >&2; exit 1; }
    echo "$id"
}

# Keys and text as a keyboard types them, into the window given the focus.
keys() {
    xdotool windowfocus --sync "$1"
    shift
    xdotool key "$@"
}
typed() {
    xdotool windowfocus --sync "$1"
    xdotool type "$2"
}
# Waits until the window is no longer shown.
gone() {
    for _ in $(seq 100); do
        xwininfo -id "$1" 2>/dev/null | grep -q IsViewable || return 0
        sleep 0.2
    done
    echo "window $1 stays" >&2
    exit 1
}

main=$(window "Kalvest [0-9.]+\":")
sleep 1
keys "$main" ctrl+t
terms=$(window "Solar terms of")
sleep 1
import -window "$terms" "$shots/solar-terms-2025.png"
keys "$terms" Escape
gone "$terms"

keys "$main" ctrl+e
dialog=$(window "Export\":")
sleep 1
keys "$dialog" ctrl+a
typed "$dialog" 2024
keys "$dialog" Tab ctrl+a
typed "$dialog" 2026
keys "$dialog" alt+s alt+r
sleep 1
import -window "$dialog" "$shots/export-dialog.png"
keys "$dialog" Escape
gone "$dialog"

# The menu is a window of its own: the screen where the main window is.
geometry=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                                       /Width/ {w=$NF} /Height/ {h=$NF} END {print w "x" h "+" x "+" y}')
read -r left top < <(echo "$geometry" | awk -F'[x+]' '{print $3, $4}')
xdotool windowfocus --sync "$main"
xdotool mousemove $((left + 111)) $((top + 9)) click 1
sleep 1
import -window root -crop "$geometry" "$shots/main-window-menu.png"
xdotool key t
chooser=$(window "Time zone\":")
sleep 1
typed "$chooser" IST
sleep 1
import -window "$chooser" "$shots/zone-chooser.png"
keys "$chooser" Escape
ls "$shots"/{solar-terms-2025,export-dialog,main-window-menu,zone-chooser}.png
