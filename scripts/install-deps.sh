#!/usr/bin/env bash
# Installs the Debian packages Brellinshore needs, and only those missing: quick when all are
# there already. Usage: scripts/install-deps.sh run|test
set -euo pipefail

run_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libgl-dev libfontconfig-dev
    qt6-tools-dev qt6-l10n-tools
    libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libzip-dev
    qt6-charts-dev libqt6opengl6-dev libqt6charts6
    fonts-liberation2 fonts-wine fontconfig
)
test_packages=(
    clang libclang-rt-14-dev
    cups cups-bsd printer-driver-cups-pdf poppler-utils
    xvfb xdotool x11-utils imagemagick
    orca at-spi2-core dbus-daemon openbox
    lintian appstream
    aspell aspell-cy python3
)

case "${1:-run}" in
    run) wanted=("${run_packages[@]}") ;;
    test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

"$(dirname "$0")/apt-install-missing.sh" "${wanted[@]}"
