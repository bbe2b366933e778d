#!/usr/bin/env bash
# Starts the built program in a real X window under Xvfb, as a user starts it: waits for the
# title screen, presses Enter on "OK" (which has the keyboard focus: the menu must be reachable
# by keyboard alone), then from the main menu opens a topic page of each place and, on the
# last, its labelling activity, closing each with Escape. Any screen that does not come up, a
# message box in its place (a topic that could not be opened) or a topic page without its
# pictures fails the check. Screenshots land in <build-folder>/screenshots/: title.png,
# menu.png, topic-1.png to topic-3.png, activity.png (or in the folder SHOTS names). The
# program's language is the desktop's: run it with LANG=cy_GB.UTF-8 for Welsh.
# Usage: scripts/window-check.sh [build-folder [program]]   (program: build-folder/bin/brellinshore)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="${2:-$build/bin/brellinshore}"
shots="${SHOTS:-$build/screenshots}"
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
menu=$(wait_for_window 800x600)
sleep 0.5
import -window root "$shots/menu.png"
echo "main menu up: $shots/menu.png"

# The program's screens (800 x 600) lie over each other; anything else it shows is a message.
screens_up() {
    local id count=0
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        if xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: 800x600"; then
            count=$((count + 1))
        fi
    done
    echo "$count"
}
message_up() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        # Neither a screen, the title screen nor the backdrop, which fills the display.
        if ! xdotool getwindowgeometry "$id" 2>/dev/null | grep -qE "Geometry: (800x600|364x438|1024x768)$"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
# Waits until as many screens as wanted are up; a message box instead is a failure.
wait_for_screens() {
    local wanted="$1" what="$2" shot="$3" box
    for _ in $(seq 100); do
        [ "$(screens_up)" -eq "$wanted" ] && { sleep 0.5; import -window root "$shots/$shot.png"; return 0; }
        if box=$(message_up); then
            sleep 0.3
            import -window root "$shots/$shot.png"
            echo "$what: a message came up instead ($shots/$shot.png): $(xdotool getwindowname "$box")" >&2
            return 1
        fi
        kill -0 "$app" 2>/dev/null || { echo "the program ended:" >&2; cat "$shots/program.log" >&2; return 1; }
        sleep 0.1
    done
    import -window root "$shots/$shot.png"
    echo "$what did not come up ($shots/$shot.png)" >&2
    return 1
}
# A screen that found its pictures shows far more colours than its plain background and text.
shows_pictures() {
    local colours
    colours=$(convert "$shots/$1.png" -format %k info:)
    [ "$colours" -ge 2000 ] || { echo "$1 shows $colours colours: its pictures are missing" >&2; return 1; }
}
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# The menu's entries: a column for each place, a row for each topic (1537 and 187 twips to
# the middle of an entry, 15 twips a pixel). Each place opens a different topic.
columns=(120 4440 8760)
rows=(4920 5520 6120 6720 7320)
for place in 0 1 2; do
    topic=$place
    click_in "$menu" $(((columns[place] + 1537) / 15)) $(((rows[topic] + 187) / 15))
    wait_for_screens 2 "the topic page of place $((place + 1)), topic $((topic + 1))" "topic-$((place + 1))"
    shows_pictures "topic-$((place + 1))"
    echo "topic page up: $shots/topic-$((place + 1)).png"
    if [ "$place" -lt 2 ]; then
        xdotool key Escape
        wait_for_screens 1 "the main menu again" back
    fi
done
# The labelling activity of the last topic page ("Labelling Activity" at 3600, 7920 twips).
page=""
for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    if [ "$id" != "$menu" ] && xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: 800x600"; then
        page="$id"
    fi
done
click_in "$page" $(((3600 + 1597) / 15)) $(((7920 + 247) / 15))
wait_for_screens 3 "the labelling activity" activity
shows_pictures activity
echo "activity up: $shots/activity.png"
xdotool key Escape
wait_for_screens 2 "the topic page again" back
xdotool key Escape
wait_for_screens 1 "the main menu again" back
rm -f "$shots/back.png"
