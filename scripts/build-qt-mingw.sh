#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows from Debian's own qt6-base source, with Debian's MinGW-w64
# posix compilers and the installed Linux Qt as host tools (moc, rcc, uic). Only what the desktop
# program needs is built. The result is cached under ~/.cache/orvan2a/, keyed by the Qt version,
# the configure options and the toolchain file, so only the first run pays (about 13 minutes on
# 2 cores) and a change of this script that builds the same Qt keeps the cache. Prints the install
# prefix as its last line.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
toolchain="$repo/cmake/mingw-w64.cmake"
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

# "opengl" off alone leaves dynamic OpenGL on, which the windows platform plugin then fails to
# compile; INPUT_opengl=no turns both off. From "harfbuzz" on: OpenType shaping, which German in
# Latin script does without, and widgets and formats the program never shows or reads; leaving
# them out saves a sixth of the build.
features_off=(opengl vulkan icu dbus glib network sql xml printsupport zstd freetype fontconfig
    jpeg gif direct2d directwrite3 tabletevent concurrent
    harfbuzz ico graphicsview mdiarea calendarwidget colordialog fontdialog wizard lcdnumber dial
    keysequenceedit columnview undocommand fontcombobox commandlinkbutton toolbox
    syntaxhighlighter splashscreen errormessage datawidgetmapper textmarkdownreader
    textmarkdownwriter textodfwriter movie sessionmanager systemtrayicon jalalicalendar
    hijricalendar)
options=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DQT_QPA_DEFAULT_PLATFORM=windows -DINPUT_opengl=no
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_pdf=ON -DFEATURE_testlib=ON)
# From Qt 6.8 on, the windows font database needs DirectWrite, which does not compile without
# Direct2D (a font file loader is declared for the one and defined only for both).
if dpkg --compare-versions "$version" ge 6.8; then
    features_off=("${features_off[@]/direct2d/}")
fi
for feature in "${features_off[@]}"; do
    [ -n "$feature" ] && options+=("-DFEATURE_$feature=OFF")
done

key=$({ printf '%s\n' "${options[@]}"; cat "$toolchain"; } | sha256sum | cut -c1-12)
cache="${XDG_CACHE_HOME:-$HOME/.cache}/orvan2a"
prefix="$cache/qt-${version%%+*}-mingw-static-$key"
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/orvan2a-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$repo/scripts/fetch-debian-source.sh" qt6-base "$version" "$work/qtbase"

cmake -S "$work/qtbase" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 || {
    tail -n 60 "$work/configure.log" >&2
    exit 1
}
grep -E '^(Qt Gui|  PDF|Windows|  Direct)' "$work/configure.log" >&2 || true
cmake --build "$work/build" --parallel "$(nproc)" >&2
cmake --install "$work/build" >/dev/null
touch "$prefix/.complete"
echo "$prefix"
