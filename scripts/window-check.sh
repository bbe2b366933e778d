#!/usr/bin/env bash
# Starts the built program in a real X window under Xvfb, waits for the title screen, takes a
# screenshot, presses Enter on "OK" (which has the keyboard focus: the menu must be reachable
# by keyboard alone), waits for the main menu and takes a second screenshot. Screenshots land in build/screenshots/ (title.png, menu.png).
# Usage: scripts/window-check.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="$build/src/brellinshore"
shots="$build/screenshots"
mkdir -p "$shots"
rm -f "$shots"/*.png

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "${app:-}" "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$program" >"$shots/program.log" 2>&1 &
app=$!

# The title screen is the program's window of 364 x 438 pixels.
window_of_size() {
    local wanted="$1" id
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        if xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $wanted"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
wait_for_window() {
    local wanted="$1" id
    for _ in $(seq 100); do
        if id=$(window_of_size "$wanted"); then echo "$id"; return 0; fi
        kill -0 "$app" 2>/dev/null || { echo "the program ended" >&2; return 1; }
        sleep 0.1
    done
    echo "no window of $wanted appeared" >&2
    return 1
}

title=$(wait_for_window 364x438)
sleep 0.5
import -window root "$shots/title.png"
echo "title screen up: $shots/title.png"

# No pointer: the title screen opens with the focus on "OK", and Enter clicks it.
xdotool windowfocus --sync "$title"
xdotool key Return
wait_for_window 800x600 >/dev/null
sleep 0.5
import -window root "$shots/menu.png"
echo "main menu up: $shots/menu.png"
