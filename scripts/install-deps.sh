#!/usr/bin/env bash
# Installs what building, running and testing QTR-31X needs on Debian 12.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev
    clang libclang-rt-14-dev
    fonts-liberation2 fonts-wqy-microhei qt6-translations-l10n xvfb xauth imagemagick poppler-utils
    desktop-file-utils appstream shared-mime-info lintian man-db dpkg-dev x11-utils
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
