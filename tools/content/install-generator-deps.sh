#!/usr/bin/env bash
# Installs the Debian packages the content generators need (not needed to build or run the
# program): coastline data and map drawing, picture and sound synthesis, WMF checking.
set -euo pipefail

packages=(
    python3 python3-pil python3-numpy
    gmt gmt-gshhg-full ghostscript
    sox
    fonts-liberation2 fonts-wine fonts-dejavu-core
    libwmf-bin
)

"$(dirname "$0")/../../scripts/apt-install-missing.sh" "${packages[@]}"
