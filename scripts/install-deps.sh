#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need, when any is missing.
# Runs apt-get directly as root, otherwise through sudo.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libcups2-dev qt6-translations-l10n libqt6svg6
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation2
    libzxing-dev zbar-tools zxing-cpp-tools poppler-utils
    cups cups-client cups-filters ghostscript
    desktop-file-utils shared-mime-info libxml2-utils
    clang-format clang-tidy lintian man-db
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
