#!/usr/bin/env bash
# Installs what Brellinshore needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target brellinshore stage_content
exec build/bin/brellinshore "$@"
