#!/usr/bin/env bash
# The program under the real screen reader: Orca (speech and braille off, its debug log on)
# with the accessibility bus, Xvfb and a window manager, in a D-Bus session of its own. The
# program is driven by keys alone from the title screen through a topic page, its key facts,
# the quiz to the results and the wrong answers, a labelling activity placed by keys to its
# results, the wizard, the catalogue, "Our Topics" with a topic of the school's own (written
# into <build-folder>/bin/ourtopics for the run and removed after it) and its labelling
# activity, one label placed by keys, and Exit; at every step what Orca says must be heard
# (scripts/screen-reader-check.py). Skips, with a line saying why, where Orca, the
# accessibility bus or a D-Bus session cannot start. The log and the speech land in
# <build-folder>/screen-reader/.
# Usage: scripts/screen-reader-check.sh [build-folder [program]]   (program: build-folder/bin/brellinshore)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
program="${2:-$build/bin/brellinshore}"
work="$build/screen-reader"
rm -rf "$work"
mkdir -p "$work"

for tool in orca dbus-run-session Xvfb openbox xdotool xprop python3; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 0; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: the accessibility bus (at-spi2-core) is not installed"; exit 0; }

# Orca waits for a speech server that is reachable but cannot play: speech stays off, and
# the whole run is bounded.
status=0
timeout -k 10 360 dbus-run-session -- python3 scripts/screen-reader-check.py "$program" "$work" || status=$?
if [ "$status" -ne 0 ] && [ ! -e "$work/started" ]; then
    echo "skipped: no D-Bus session could be started (dbus-run-session ended with $status)"
    exit 0
fi
case "$status" in
    0) ;;
    77) exit 0 ;; # the script said why it skipped
    124|137) echo "the screen reader check did not finish within 6 minutes (log: $work/orca-debug.log)" >&2; exit 1 ;;
    *) echo "the screen reader check failed (log: $work/orca-debug.log)" >&2; exit 1 ;;
esac
