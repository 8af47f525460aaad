#!/usr/bin/env bash
# Runs the Windows command-line tool under wine against the simulated unit: wine's COM120 is
# linked to the simulator's pseudo-terminal, the Linux tool is the reference.
# Usage: wine-cli-test.sh LINUX_BIN_DIR WINDOWS_BIN_DIR [WINDOWS_TESTS_BIN_DIR]
# With the third folder its windows_tests.exe (text and path unit tests) runs too.
set -uo pipefail
linux_bin=$(realpath "$1")
cli_exe=$(realpath "$2/orvan2a-cli.exe")
work=$(mktemp -d "${TMPDIR:-/tmp}/orvan2a-wine-cli.XXXXXX")
source "$(dirname "$0")/wine-env.sh"

trap 'stop_sim; wine_stop; rm -rf "$work"' EXIT

wine_cli() {  # wine_cli NAME ARGS...: output in $work/NAME.out, status returned
    local name=$1
    shift
    "$wine_bin" "$cli_exe" "$@" >"$work/$name.out" 2>&1
}

wine_start

if [ -n "${3:-}" ]; then
    "$wine_bin" "$(realpath "$3/windows_tests.exe")" >"$work/unit-tests.out" 2>&1
    check "the text and path unit tests pass on Windows for $wine_user" [ $? -eq 0 ]
    grep -E '^\[  (PASSED|FAILED) ' "$work/unit-tests.out"
fi

start_sim com120
wine_cli ports ports
# Wine's COM ports are no devices of the ports class, so the COM name stands in for a friendly name.
check "ports lists COM120 with its COM name, not its path" grep -qP '^COM120\tCOM120\r?$' "$work/ports.out"
wine_cli read1 read COM120 "$(windows_path "$work/wine1.rvx2a2")"
check "read under wine" [ $? -eq 0 ]
"$linux_bin/orvan2a-cli" read "$pty" "$work/linux.rvx2a2" >"$work/linux-read.out" 2>&1
check "the wine read's file is the Linux read's, byte for byte" cmp -s "$work/wine1.rvx2a2" "$work/linux.rvx2a2"
wine_cli read2 read COM120 "$(windows_path "$work/wine2.rvx2a2")"
check "a read right after a read" [ $? -eq 0 ]
check "  gives the same file" cmp -s "$work/wine2.rvx2a2" "$work/linux.rvx2a2"

# Umlauts in the user's profile, in a folder and a file name, and in what the tool prints.
"$wine_bin" cmd /c 'echo %USERPROFILE%' >"$work/profile.out" 2>&1
check "wine's profile is C:\\users\\$wine_user" \
    grep -qx "C:\\\\users\\\\$wine_user" <(iconv -f CP1252 "$work/profile.out" | tr -d '\r')
mkdir -p "$work/Anlagen Süd"
umlauts="$work/Anlagen Süd/Übung.rvx2a2"
backups() { find "$local_app_data/orvan2a/Sicherungen" -name '*_gelesen_COM120.rvx2a2' | wc -l; }
backups_before=$(backups)
wine_cli umlauts read COM120 "$(windows_path "$umlauts")"
check "read into \"Anlagen Süd\\Übung.rvx2a2\"" [ $? -eq 0 ]
check "  gives the Linux read's file" cmp -s "$umlauts" "$work/linux.rvx2a2"
check "  and leaves its backup under $wine_user's %LOCALAPPDATA%" \
    [ "$(backups)" -eq $((backups_before + 1)) ]
"$linux_bin/orvan2a-cli" show "$umlauts" >"$work/linux-show.out" 2>&1
wine_cli show show "$(windows_path "$umlauts")"
check "show prints the Linux tool's text, umlauts intact" \
    cmp -s <(tr -d '\r' <"$work/show.out") "$work/linux-show.out"
# In a console (here a pseudo-terminal) the console's output code page decodes the bytes. (Wine
# keeps that page per process, so whether the tool gives the old one back shows only on Windows.)
export wine_bin cli_windows umlauts_windows
cli_windows=$(windows_path "$cli_exe") umlauts_windows=$(windows_path "$umlauts")
script -qec 'stty cols 1000; "$wine_bin" "$cli_windows" show "$umlauts_windows"' /dev/null \
    </dev/null >"$work/console-show.out" 2>&1
check "  also in a console" cmp -s <(sed 's/\x1b\[[?0-9;]*[a-zA-Z]//g' "$work/console-show.out" |
    tr -d '\r') "$work/linux-show.out"

# Two images that differ from the factory one and from each other.
sed -e 's/^R013 .*/R013 00712300\r/' -e 's/^R150 .*/R150 ABCDEF01\r/' "$work/linux.rvx2a2" >"$work/first.rvx2a2"
sed -e 's/^R013 .*/R013 00455500\r/' -e 's/^R299 .*/R299 12345678\r/' "$work/linux.rvx2a2" >"$work/second.rvx2a2"
wine_cli send1 send COM120 "$(windows_path "$work/first.rvx2a2")"
check "send under wine" [ $? -eq 0 ]
wine_cli send2 send COM120 "$(windows_path "$work/second.rvx2a2")"
check "a send right after a send" [ $? -eq 0 ]
"$linux_bin/orvan2a-cli" read "$pty" "$work/after-send.rvx2a2" >"$work/after-send.out" 2>&1
check "a Linux read shows the values last sent" cmp -s "$work/after-send.rvx2a2" "$work/second.rvx2a2"

wine_cli unmapped read COM119 "$(windows_path "$work/unmapped.rvx2a2")"
check "a COM port that is not mapped fails" [ $? -eq 1 ]
check "  with its message" grep -q "Der Port COM119 ist nicht vorhanden." "$work/unmapped.out"
check "  and writes no file" [ ! -e "$work/unmapped.rvx2a2" ]

# A unit that dies in the middle of a read: the tool must end within a second of its death.
start_sim com120
"$wine_bin" "$cli_exe" read COM120 "$(windows_path "$work/died.rvx2a2")" >"$work/died.out" 2>&1 &
cli_pid=$!
sleep 4
kill -9 "$sim_pid"
died_at=$(date +%s%N)
{ wait "$sim_pid"; } 2>/dev/null
sim_pid=""
for _ in $(seq 100); do
    kill -0 "$cli_pid" 2>/dev/null || break
    sleep 0.02
done
ended_ms=$((($(date +%s%N) - died_at) / 1000000))
if kill -0 "$cli_pid" 2>/dev/null; then
    fail "a read whose unit dies ends within a second (still running after 2 s)"
    kill "$cli_pid"
    wait "$cli_pid"
else
    wait "$cli_pid"
    status=$?
    check "a read whose unit dies ends within a second (${ended_ms} ms)" [ "$ended_ms" -lt 1000 ]
    check "  and fails" [ "$status" -eq 1 ]
    check "  without a file" [ ! -e "$work/died.rvx2a2" ]
fi

summary
