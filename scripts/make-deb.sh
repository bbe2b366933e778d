#!/usr/bin/env bash
# Builds the Debian package into build-deb/: brellinshore_<version>_<arch>.deb
# Only what the package holds is built (and the content staged beside the built program, which
# scripts/package-check.sh compares the packaged program with).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBRELLINSHORE_BENCH=OFF \
    -DBRELLINSHORE_DEB_LAYOUT=ON -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build-deb --target brellinshore bs_sound compressed_docs stage_content
rm -f build-deb/*.deb
(cd build-deb && cpack -G DEB >/dev/null)
ls build-deb/*.deb
