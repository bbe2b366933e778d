#!/usr/bin/env bash
# Installs the Debian packages the content generators need (not needed to build or run the
# program): coastline data and map drawing, picture and sound synthesis, WMF checking.
set -euo pipefail

packages=(
    python3 python3-pil python3-numpy
    gmt gmt-gshhg-full ghostscript
    sox espeak-ng
    fonts-liberation2 fonts-wine
    libwmf-bin
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
