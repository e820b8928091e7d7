#!/usr/bin/env bash
# Installs the Debian packages Climora needs to build, run and test.
# Safe to run again: when everything is present it only checks.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-webengine-dev qt6-charts-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev
    xvfb xauth fonts-dejavu-core
    appstream desktop-file-utils help2man shared-mime-info
    parallel
    clang-format
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y \
    --no-install-recommends "${missing[@]}"
