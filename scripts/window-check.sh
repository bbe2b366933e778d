#!/usr/bin/env bash
# Starts the built program in a real X window under Xvfb, as a user starts it: waits for the
# title screen, presses Enter on "OK" (which has the keyboard focus: the menu must be reachable
# by keyboard alone), then from the main menu opens a topic page of each place and, on the
# last, its labelling activity, closing each with Escape. Then it makes a topic of its own with
# the topic maker ("Our Topics", "Make a Topic": a title, a panorama chosen through the real file
# dialog, the optional parts left out, "Save Topic") and opens it from the list. Any screen that
# does not come up, a message box in its place (a topic that could not be opened) or a topic
# page without its pictures fails the check. Screenshots land in <build-folder>/screenshots/:
# title.png, menu.png, topic-1.png to topic-3.png, activity.png, our-topics.png, maker.png,
# file-dialog.png, saved.png, own-topic.png (or in the folder SHOTS names). The topic made is
# removed at the end, pass or fail. The program's language is the desktop's: run it with
# LANG=cy_GB.UTF-8 for Welsh.
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
# The topic this run makes, and the photograph it is made from: removed at the end. Its folder
# is where the program finds its content: beside it in a build, ../../share/brellinshore from
# it when installed.
program_dir="$(dirname "$program")"
content_dir="$program_dir"
[ -d "$content_dir/Images" ] || content_dir="$program_dir/../../share/brellinshore"
own_folder="$content_dir/ourtopics"
own_title="Window check $$"
photo="$shots/panorama-source.jpg"
cleanup() {
    kill "${app:-}" "$xvfb" 2>/dev/null || true
    rm -f "$own_folder/$own_title.json" "$own_folder/$own_title - "* "$photo"
}
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

# A topic of the school's own, made with the maker from a many-coloured photograph.
[ -d "$own_folder" ] || { echo "there is no folder $own_folder for the school's own topics" >&2; exit 1; }
convert -size 1600x900 -seed 7 plasma:fractal "$photo"
photo_path="$(cd "$(dirname "$photo")" && pwd)/$(basename "$photo")"
# The one screen up, once it is not the one given.
wait_for_other_screen() {
    local old="$1" what="$2" shot="$3" id
    for _ in $(seq 100); do
        if [ "$(screens_up)" -eq 1 ]; then
            for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
                if [ "$id" != "$old" ] && xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: 800x600"; then
                    sleep 0.5
                    import -window root "$shots/$shot.png"
                    echo "$id"
                    return 0
                fi
            done
        fi
        kill -0 "$app" 2>/dev/null || { echo "the program ended:" >&2; cat "$shots/program.log" >&2; return 1; }
        sleep 0.1
    done
    import -window root "$shots/$shot.png"
    echo "$what did not come up ($shots/$shot.png)" >&2
    return 1
}
# A dialog (neither a screen nor the backdrop), given the keyboard; found by its size, not its
# title, which is in the desktop's language.
wait_for_dialog() {
    local what="$1" id
    for _ in $(seq 100); do
        if id=$(message_up 2>/dev/null); then
            sleep 0.5
            xdotool windowfocus --sync "$id"
            echo "$id"
            return 0
        fi
        kill -0 "$app" 2>/dev/null || { echo "the program ended:" >&2; cat "$shots/program.log" >&2; return 1; }
        sleep 0.1
    done
    echo "$what did not come up" >&2
    return 1
}
gone() {
    for _ in $(seq "${2:-100}"); do
        xdotool getwindowgeometry "$1" 2>/dev/null | grep -q "Geometry:" || return 0
        xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable" || return 0
        sleep 0.1
    done
    echo "the file dialog did not close" >&2
    return 1
}

# "Our Topics" (Label2(21) at 120, 2880 twips, 3075 x 495) takes the menu's place.
click_in "$menu" $(((120 + 1537) / 15)) $(((2880 + 247) / 15))
list=$(wait_for_other_screen "$menu" "Our Topics" our-topics)
echo "Our Topics up: $shots/our-topics.png"
# "Make a Topic" (Label5(0) at 120, 7260 twips, 3195 x 495): the maker over the list.
click_in "$list" $(((120 + 1597) / 15)) $(((7260 + 247) / 15))
wait_for_screens 2 "the topic maker" maker
maker=""
for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    if [ "$id" != "$list" ] && xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: 800x600"; then
        maker="$id"
    fi
done
xdotool windowfocus --sync "$maker"
# Step 1, the title: the focus is in its box; Tab goes on to "Next >>" ("<< Back" is hidden).
xdotool type --delay 20 "$own_title"
xdotool key Tab Return
# Step 2, the panorama: the focus is on "Choose Photograph...". The file dialog takes a full
# path typed into its file name box.
sleep 0.3
xdotool key Return
dialog=$(wait_for_dialog "the file dialog")
xdotool type --delay 10 "$photo_path"
sleep 0.3
import -window root "$shots/file-dialog.png"
# Enter takes the path; when the box's list of matching names is open, the first Enter may
# only close that list.
xdotool key Return
gone "$dialog" 10 || { xdotool key Return; gone "$dialog"; }
sleep 0.5
if box=$(message_up 2>/dev/null) && [ -n "$(xdotool getwindowname "$box" 2>/dev/null)" ]; then
    import -window root "$shots/maker.png"
    echo "the photograph was refused ($shots/maker.png): $(xdotool getwindowname "$box")" >&2
    exit 1
fi
import -window root "$shots/maker.png"
shows_pictures maker
echo "panorama chosen: $shots/maker.png"
# "Next >>" (Label3(2) at 2460, 7920 twips, 2100 x 495) through the optional steps (pages, quiz,
# labelling and ordering activities left out) to "Save Topic" on the last step.
for step in 2 3 4 5 6 7; do
    xdotool windowfocus --sync "$maker"
    click_in "$maker" $(((2460 + 1050) / 15)) $(((7920 + 247) / 15))
    sleep 0.3
    if box=$(message_up); then
        import -window root "$shots/saved.png"
        name=$(xdotool getwindowname "$box")
        [ "$name" = "Brellinshore" ] && [ "$step" = 7 ] && break
        echo "the maker said something on step $step ($shots/saved.png): $name" >&2
        exit 1
    fi
done
# The message that the topic has been saved: neither a screen nor the backdrop.
box=""
for _ in $(seq 100); do box=$(message_up 2>/dev/null) && break; sleep 0.1; done
[ -n "$box" ] || { echo "the maker said nothing of saving ($shots/saved.png)" >&2; exit 1; }
sleep 0.3
import -window root "$shots/saved.png"
xdotool windowfocus --sync "$box"
[ -f "$own_folder/$own_title.json" ] || { echo "the maker did not save $own_folder/$own_title.json ($shots/saved.png)" >&2; exit 1; }
xdotool key Return
echo "topic saved: $shots/saved.png"
list=$(wait_for_other_screen "$maker" "Our Topics with the new topic" our-topics)
# The list's slots: 12 down the left, 12 down the right (5715 x 375 twips, 540 apart), in the
# order of the files' names, letter case aside.
slot=$(find "$own_folder" -maxdepth 1 -name '*.json' -printf '%f\n' | awk '{ print tolower($0) "\t" $0 }' \
    | LC_ALL=C sort | cut -f 2 | grep -nxF "$own_title.json" | cut -d: -f1)
[ -n "$slot" ] && [ "$slot" -le 24 ] || { echo "the new topic is not on the list's first page" >&2; exit 1; }
if [ "$slot" -le 12 ]; then left=120; top=$((720 + 540 * (slot - 1))); else left=6120; top=$((720 + 540 * (slot - 13))); fi
click_in "$list" $(((left + 2857) / 15)) $(((top + 187) / 15))
wait_for_other_screen "$list" "the page of the new topic" own-topic >/dev/null
shows_pictures own-topic
echo "own topic page up: $shots/own-topic.png"
