#!/usr/bin/env bash
# Checks the Windows packages of the cross build in BUILD_DIR and runs the installed desktop
# program under wine on Xvfb: it must show its main window within 10 s, read the simulated unit
# (LINUX_BIN_DIR/orvan2a-sim) on wine's COM1 into the same file as the Linux tool, and end when
# closed. A screenshot of the window after the read goes to SCREENSHOT. The installed program opens
# a register file given as argument or started through the file association.
# Usage: wine-gui-test.sh BUILD_DIR LINUX_BIN_DIR SCREENSHOT
set -uo pipefail
build=$(realpath "$1")
linux_bin=$(realpath "$2")
screenshot=$(realpath -m "$3")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
installer="$build/orvan2a-$version-win64.exe"
zip="$build/orvan2a-$version-win64.zip"
title="Orvan 2a/2b Programmiersoftware"
work=$(mktemp -d "${TMPDIR:-/tmp}/orvan2a-wine-gui.XXXXXX")
source "$(dirname "$0")/wine-env.sh"
app_pid=""
trap '[ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null; stop_sim; wine_stop; rm -rf "$work"' EXIT

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

# The unit on COM1, the port the program offers first.
start_sim com1
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
    # "Lesen", the first button of "Kommunikation mit Orvan"; a read that succeeds leaves its backup.
    xdotool mousemove --window "$window" 107 118 click 1
    backup=""
    for _ in $(seq 150); do
        backup=$(find "$local_app_data/orvan2a/Sicherungen" -name '*_gelesen_COM1.rvx2a2' 2>/dev/null | head -n 1)
        [ -n "$backup" ] && break
        sleep 0.2
    done
    check "\"Lesen\" reads the unit on COM1 and keeps a backup under $wine_user's %LOCALAPPDATA%" \
        [ -n "$backup" ]
    sleep 1
    import -window "$window" "$work/window.png" && mkdir -p "$(dirname "$screenshot")" &&
        cp "$work/window.png" "$screenshot"
    check "a screenshot of it" [ -s "$screenshot" ]
    # Without a window manager there is no close button to press: taskkill without /F sends the
    # window WM_CLOSE, as the button would. A read leaves unsaved changes, so the program asks.
    "$wine_bin" taskkill /IM orvan2a.exe >"$work/taskkill.out" 2>&1
    question=""
    for _ in $(seq 50); do
        question=$(xdotool search --onlyvisible --name "^Änderungen Speichern\$" 2>/dev/null | head -n 1)
        [ -n "$question" ] && break
        sleep 0.2
    done
    check "closing after the read asks whether to save the changes" [ -n "$question" ]
    # Escape answers "Nein".
    [ -n "$question" ] && xdotool key Escape
    for _ in $(seq 50); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.2
    done
    check "  and \"Nein\" ends the program" bash -c "! kill -0 $app_pid 2>/dev/null"
    "$linux_bin/orvan2a-cli" read "$pty" "$work/linux.rvx2a2" >"$work/linux-read.out" 2>&1
    check "  the backup is the Linux read's file, byte for byte" cmp -s "$backup" "$work/linux.rvx2a2"
fi

# --- Register files opened by the desktop program: a file argument and the installer's file
# association (start on the file) each show the program with that file's name in its title. ---
wait_for_window() {  # wait_for_window TITLE_REGEX: the visible window's id within 10 s, or nothing
    local found=""
    for _ in $(seq 50); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$found" ] && break
        sleep 0.2
    done
    echo "$found"
}
close_program() {  # close_program: ends orvan2a.exe as its close button would, within 10 s
    "$wine_bin" taskkill /IM orvan2a.exe >"$work/taskkill-file.out" 2>&1
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "Orvan 2a/2b Programmiersoftware\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}
# In a folder with a space and an umlaut, as technicians name them.
register_folder="$work/Anlagen Süd"
mkdir -p "$register_folder"
cp "$(dirname "$0")/../data/typical.rvx2a2" "$register_folder/leitstelle-nord.rvx2a2"
file_title="^leitstelle-nord\\.rvx2a2 .* Orvan 2a/2b Programmiersoftware\$"

"$wine_bin" reg query 'HKCR\.rvx2a2' >"$work/association.out" 2>&1
check "the installer associates .rvx2a2 with a ProgID" grep -q "Orvan2a.Registerdatei" "$work/association.out"
"$wine_bin" reg query 'HKCR\Orvan2a.Registerdatei\shell\open\command' >"$work/command.out" 2>&1
check "  whose open command passes the file to orvan2a.exe" grep -qi 'orvan2a.exe" "%1"' "$work/command.out"

"$wine_bin" "$target/orvan2a.exe" "$(windows_path "$register_folder/leitstelle-nord.rvx2a2")" \
    >"$work/app-argument.out" 2>&1 &
check "orvan2a.exe FILE opens the file: its name in the title" [ -n "$(wait_for_window "$file_title")" ]
check "  and the program closes" close_program

"$wine_bin" start /unix "$register_folder/leitstelle-nord.rvx2a2" >"$work/start.out" 2>&1
check "start on a register file opens it in orvan2a.exe" [ -n "$(wait_for_window "$file_title")" ]
check "  and the program closes" close_program
# --- end of the register file block ---

"$wine_bin" "$target/Uninstall.exe" /S >"$work/uninstall.out" 2>&1
for _ in $(seq 50); do
    [ -e "$target/orvan2a.exe" ] || break
    sleep 0.2
done
check "the uninstaller removes the program" [ ! -e "$target/orvan2a.exe" ]

# --- The uninstaller takes the file association with it. ---
"$wine_bin" reg query 'HKCR\Orvan2a.Registerdatei' >"$work/association-after.out" 2>&1
check "the uninstaller removes the ProgID" [ $? -ne 0 ]
"$wine_bin" reg query 'HKCR\.rvx2a2' >"$work/extension-after.out" 2>&1
check "  and the .rvx2a2 association" bash -c "! grep -q Orvan2a '$work/extension-after.out'"
# --- end of the file association block ---

summary
