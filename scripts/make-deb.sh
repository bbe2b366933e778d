#!/usr/bin/env bash
# Builds the Debian package into build-deb/: brellinshore_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBRELLINSHORE_BENCH=OFF \
    -DBRELLINSHORE_DEB_LAYOUT=ON -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-deb
(cd build-deb && cpack -G DEB)
ls build-deb/*.deb
