#!/usr/bin/env bash
# Builds and runs every benchmark and prints one table of the figures, with the machine.
# Usage: bench/run-all.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRELLINSHORE_BENCH=ON >/dev/null
cmake --build "$build" >/dev/null
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" QT_FONT_DPI=96

results=$(mktemp)
for bench in "$build"/bench/*/bench_*; do
    [ -x "$bench" ] && [ -f "$bench" ] || continue
    echo "running $(basename "$bench")" >&2
    "$bench" 2>/dev/null | grep '^BENCH' >>"$results" || echo "BENCH	$(basename "$bench") FAILED	-	-" >>"$results"
done

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/Mem:/ {print $2}') GiB;" \
     "load average $(cut -d' ' -f1-3 /proc/loadavg); $(date -u +%Y-%m-%d)"
echo
echo "| benchmark | median | unit |"
echo "|---|---:|---|"
awk -F'\t' '{ printf "| %s | %s | %s |\n", $2, $3, $4 }' "$results"
rm -f "$results"
