# Sourced by the wine tests: a private wine prefix on a private Xvfb display, and checks that count.
# Wine's background processes inherit stdout, so every wine command writes to files, never a pipe.

wine_bin=/usr/lib/wine/wine64
passed=0
failed=0

pass() {
    passed=$((passed + 1))
    echo "ok   $*"
}
fail() {
    failed=$((failed + 1))
    echo "FAIL $*"
}
check() {  # check DESCRIPTION COMMAND...
    local description=$1
    shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}
summary() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

# The programs run as a user with an umlaut, as many technicians are: wine names the profile after
# $USER, so it is C:\users\jürgen and %LOCALAPPDATA% is $local_app_data.
wine_user=jürgen

# Starts Xvfb first (a window never appears when wine booted without a display), then boots a
# fresh prefix under $work.
wine_start() {
    export WINEPREFIX="$work/prefix" HOME="$work/home" WINEDEBUG=-all
    # Wine reads $USER in the locale's character set; without UTF-8 it makes no profile at all.
    export USER="$wine_user" LOGNAME="$wine_user" LC_ALL=C.UTF-8
    local_app_data="$WINEPREFIX/drive_c/users/$wine_user/AppData/Local"
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    mkdir -p "$HOME"
    local number
    for number in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
    done
    export DISPLAY=":$number"
    Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        sleep 0.1
    done
    "$wine_bin" wineboot -i >"$work/wineboot.log" 2>&1
}

wine_stop() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null || true
}

# Starts a simulated unit ($linux_bin/orvan2a-sim) and links wine's port PORT ("com120") to its
# pseudo-terminal, which $pty names.
sim_pid=""
start_sim() {  # start_sim PORT
    stop_sim
    "$linux_bin/orvan2a-sim" --no-register >"$work/sim.out" 2>&1 &
    sim_pid=$!
    pty=""
    for _ in $(seq 50); do
        pty=$(sed -n 's/^Simulierte Einheit an //p' "$work/sim.out")
        [ -n "$pty" ] && break
        sleep 0.1
    done
    ln -sfn "$pty" "$WINEPREFIX/dosdevices/$1"
}

stop_sim() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    sim_pid=""
}

# "Z:\tmp\x\file" for /tmp/x/file: wine's drive Z is the Linux root.
windows_path() {
    printf 'Z:%s' "${1//\//\\}"
}
