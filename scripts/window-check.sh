#!/usr/bin/env bash
# Starts the built program in a real X window under Xvfb, waits for the title screen, takes a
# screenshot, presses Enter on "OK" (which has the keyboard focus: the menu must be reachable
# by keyboard alone), waits for the main menu and takes a second screenshot. Screenshots land
# in build/screenshots/ (title.png, menu.png).
# Usage: scripts/window-check.sh [build-folder [program]]   (program: build-folder/src/brellinshore)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="${2:-$build/src/brellinshore}"
shots="$build/screenshots"
mkdir -p "$shots"
rm -f "$shots"/*.png

# Xvfb picks a free display itself and writes its number once it accepts clients: a guessed
# number may be taken by another check running on the same machine.
rm -f "$shots/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$shots/display" >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "${app:-}" "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
for _ in $(seq 300); do [ -s "$shots/display" ] && break; sleep 0.1; done
[ -s "$shots/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$shots/display")"
accepting() { xdpyinfo >/dev/null 2>&1; }
for _ in $(seq 300); do accepting && break; sleep 0.1; done
accepting || { echo "Xvfb on $DISPLAY accepts no clients" >&2; exit 1; }

start_program() {
    "$program" >"$shots/program.log" 2>&1 &
    app=$!
}
start_program
# A server that has just come up has once refused the program's connection: a program that
# could not reach the display at all is started once more; any other ending is a failure.
sleep 1
if ! kill -0 "$app" 2>/dev/null && grep -q "could not connect to display" "$shots/program.log"; then
    echo "the program could not reach $DISPLAY; starting it again" >&2
    accepting && start_program
fi

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
        kill -0 "$app" 2>/dev/null || { echo "the program ended:" >&2; cat "$shots/program.log" >&2; return 1; }
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
