#!/usr/bin/env bash
# Builds the fuzz targets with clang, ASan and UBSan, and runs each for SECONDS (default 60)
# from its seed corpus. Fails on a finding, and on a target whose code was not built with
# coverage instrumentation (it would report a few dozen covered edges and mutate blind).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
# Instrumented, the smallest reader (worksheets) covers about 170 edges; uninstrumented, a
# target reports only the few dozen edges of its own entry point.
min_coverage=100
# Real-world samples beside the project, read as an extra corpus where they exist.
shared="${BRELLINSHORE_SHARED_DIR:-$(pwd)/../shared}"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DBRELLINSHORE_FUZZ=ON -DBUILD_TESTING=OFF -DBRELLINSHORE_BENCH=OFF >/dev/null
targets=()
for corpus in fuzz/*/corpus; do targets+=("fuzz_$(basename "$(dirname "$corpus")")"); done
cmake --build build-fuzz --target "${targets[@]}"
found=0
for corpus in fuzz/*/corpus; do
    target="fuzz_$(basename "$(dirname "$corpus")")"
    binary="build-fuzz/fuzz/$(basename "$(dirname "$corpus")")/$target"
    [ -x "$binary" ] || continue
    work="$(mktemp -d)"
    extra=()
    if [ "$target" = fuzz_wmf ] && [ -d "$shared/wmf-samples" ]; then
        extra+=("$shared/wmf-samples")
    fi
    if [ "$target" = fuzz_topicdata ]; then
        extra+=(content/topics)
    fi
    echo "Fuzzing $target for ${seconds}s"
    status=0
    QT_QPA_PLATFORM=offscreen "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/" -print_final_stats=1 "$work" "$corpus" "${extra[@]}" >"$work/log" 2>&1 || status=$?
    tail -n 12 "$work/log"
    if [ "$status" -ne 0 ]; then
        echo "$target found a problem; see $work"
        found=1
    fi
    coverage="$(grep -o 'cov: [0-9]*' "$work/log" | tail -n 1 | grep -o '[0-9]*' || echo 0)"
    echo "$target covered ${coverage:-0} edges"
    if [ "${coverage:-0}" -lt "$min_coverage" ]; then
        echo "$target covered only ${coverage:-0} edges: is its library built with -fsanitize=fuzzer-no-link?"
        found=1
    fi
done
exit $found
