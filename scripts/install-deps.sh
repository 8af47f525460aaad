#!/usr/bin/env bash
# Installs the Debian packages the program needs to build and run; with --tests also those of the
# tests (sanitizers, fuzzing, the Windows cross build and wine, packaging, benchmarks). Skips what
# is there. Package names carry no version, so Debian 12 and 13 take the same list.
set -euo pipefail

packages=(build-essential cmake git pkg-config qt6-base-dev qt6-translations-l10n)
if [ "${1:-}" = "--tests" ]; then
    packages+=(
        libgtest-dev libgmock-dev
        clang libclang-rt-dev
        g++-mingw-w64-x86-64
        xvfb xauth
        wine wine64 xdotool imagemagick
        nsis librsvg2-bin icoutils zip unzip ninja-build dpkg-dev fakeroot file help2man lintian
        bash-completion poppler-utils hyperfine
    )
fi

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
