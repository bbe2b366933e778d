#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every check: the test suite, the
# fuzz targets, a real window under Xvfb, the program under Orca, the Debian package, and the suite again under ASan
# and UBSan.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2

echo "== Fuzz targets"
scripts/run-fuzzers.sh 60

echo "== A real window under Xvfb, in English and on a Welsh desktop"
scripts/window-check.sh build
LC_ALL=cy_GB.UTF-8 LANG=cy_GB.UTF-8 SHOTS=build/screenshots-cy scripts/window-check.sh build 2> >(grep -v "setlocale" >&2)

echo "== The screen reader: what Orca says on every screen"
scripts/screen-reader-check.sh build

echo "== The Debian package: lintian, AppStream, the packaged program in a real window"
scripts/package-check.sh

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRELLINSHORE_SANITIZE=ON \
    -DBRELLINSHORE_BENCH=OFF >/dev/null
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j2
