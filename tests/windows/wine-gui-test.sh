#!/usr/bin/env bash
# Checks the Windows packages of the cross build in BUILD_DIR and runs the installed desktop
# program under wine on Xvfb: it must show its main window within 10 s and end when closed.
# A screenshot of the window goes to SCREENSHOT.
# Usage: wine-gui-test.sh BUILD_DIR SCREENSHOT
set -uo pipefail
build=$(realpath "$1")
screenshot=$(realpath -m "$2")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
installer="$build/orvan2a-$version-win64.exe"
zip="$build/orvan2a-$version-win64.zip"
title="Orvan 2a/2b Programmiersoftware"
work=$(mktemp -d "${TMPDIR:-/tmp}/orvan2a-wine-gui.XXXXXX")
source "$(dirname "$0")/wine-env.sh"
app_pid=""
trap '[ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null; wine_stop; rm -rf "$work"' EXIT

for exe in orvan2a.exe orvan2a-cli.exe; do
    x86_64-w64-mingw32-objdump -p "$build/bin/$exe" >"$work/$exe.headers"
    check "$exe needs no DLL beyond Windows' own" \
        bash -c "! grep -qiE 'DLL Name: (lib|Qt6)' '$work/$exe.headers'"
done
check "orvan2a.exe is a GUI program (no console window)" \
    grep -q "^Subsystem.*(Windows GUI)" "$work/orvan2a.exe.headers"
check "orvan2a.exe carries the icon" \
    bash -c "x86_64-w64-mingw32-objdump -h '$build/bin/orvan2a.exe' | grep -q '\.rsrc'"

unzip -Z1 "$zip" >"$work/zip.list" 2>/dev/null
for file in orvan2a.exe orvan2a-cli.exe LIESMICH.txt; do
    check "the portable zip holds $file" grep -qE "(^|/)$file$" "$work/zip.list"
done
readme=$(grep -E '(^|/)LIESMICH.txt$' "$work/zip.list" | head -n 1)
unzip -p "$zip" "$readme" >"$work/LIESMICH.txt" 2>/dev/null
check "  LIESMICH.txt reads right in Notepad (UTF-8 mark, CR LF line ends)" \
    bash -c "file '$work/LIESMICH.txt' | grep -q 'UTF-8 (with BOM).*CRLF'"

wine_start
"$wine_bin" "$installer" /S >"$work/install.out" 2>&1
check "the installer runs silently" [ $? -eq 0 ]
target="$WINEPREFIX/drive_c/Program Files/Orvan2a"
for file in orvan2a.exe orvan2a-cli.exe Uninstall.exe; do
    check "  and installs $file under Program Files" [ -f "$target/$file" ]
done
link=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Orvan 2a-2b Programmiersoftware.lnk' | head -n 1)
check "  with a Start menu entry" [ -n "$link" ]

started=$(date +%s%N)
"$wine_bin" "$target/orvan2a.exe" >"$work/app.out" 2>&1 &
app_pid=$!
window=""
while [ -z "$window" ] && [ $(($(date +%s%N) - started)) -lt 10000000000 ]; do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [ -z "$window" ] && sleep 0.2
done
shown_ms=$((($(date +%s%N) - started) / 1000000))
check "the main window \"$title\" appears within 10 s ($shown_ms ms)" [ -n "$window" ]
if [ -n "$window" ]; then
    sleep 1  # let the first paint finish
    import -window "$window" "$work/window.png" && mkdir -p "$(dirname "$screenshot")" &&
        cp "$work/window.png" "$screenshot"
    check "a screenshot of it" [ -s "$screenshot" ]
    # Without a window manager there is no close button to press: taskkill without /F sends the
    # window WM_CLOSE, as the button would.
    "$wine_bin" taskkill /IM orvan2a.exe >"$work/taskkill.out" 2>&1
    for _ in $(seq 50); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.2
    done
    check "closing the window ends the program" bash -c "! kill -0 $app_pid 2>/dev/null"
fi

"$wine_bin" "$target/Uninstall.exe" /S >"$work/uninstall.out" 2>&1
for _ in $(seq 50); do
    [ -e "$target/orvan2a.exe" ] || break
    sleep 0.2
done
check "the uninstaller removes the program" [ ! -e "$target/orvan2a.exe" ]

summary
