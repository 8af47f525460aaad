#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build, the tests and the demo need; skips what is there.
set -euo pipefail

packages=(
    build-essential cmake git pkg-config
    libgtest-dev libgmock-dev
    qt6-base-dev qt6-translations-l10n
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64
    xvfb xauth
    wine wine64 xdotool imagemagick
    nsis librsvg2-bin icoutils zip unzip ninja-build dpkg-dev fakeroot file help2man lintian
    poppler-utils hyperfine
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
