#!/usr/bin/env bash
# Builds and runs every test: the normal build and its Debian package, the sanitizer builds, the
# Windows programs and packages with their wine runs, and a short run of each fuzz target.
# "--quick" runs the normal build's tests only.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests

jobs=$(nproc)
# Most tests wait on the serial line's pauses rather than compute, so three run per core.
test_jobs=$((jobs * 3))
export QT_QPA_PLATFORM=offscreen

# Each step names the minutes spent before it, so slow steps show.
step() { printf '\n== %s (at %d:%02d) ==\n' "$*" $((SECONDS / 60)) $((SECONDS % 60)); }

step "Build and test"
# The demo builds into the same folder without its tests.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVAN_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$test_jobs"

[ "${1:-}" = "--quick" ] && exit 0

step "Debian package"
(cd build && cpack -G DEB >/dev/null)
tests/packaging/deb-test.sh build

# The builds below compile the program's sources in batches too (unity builds), which halves their
# time; the normal build above compiles them one by one and so keeps every file's includes honest.
step "AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORVAN_SANITIZE=ON -DCMAKE_UNITY_BUILD=ON \
    >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$test_jobs"

step "ThreadSanitizer (link and simulator tests)"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DORVAN_TSAN=ON -DORVAN_GUI=OFF \
    -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build build-tsan -j"$jobs" --target link_tests sim_tests
# The test programs not built here are left out.
TSAN_OPTIONS=halt_on_error=1 \
    ctest --test-dir build-tsan --output-on-failure -j"$test_jobs" -E '_NOT_BUILT$'

step "Qt for Windows (static, from Debian's source; cached under ~/.cache/orvan2a)"
mkdir -p build-win-gui
qt_windows=$(scripts/build-qt-mingw.sh 2>build-win-gui/qt-build.log | tail -n 1) || {
    tail -n 40 build-win-gui/qt-build.log
    exit 1
}
echo "$qt_windows"

step "Windows programs, installer and portable zip"
cmake -S . -B build-win-gui -DCMAKE_BUILD_TYPE=Release -DORVAN_SIM=OFF -DORVAN_TESTS=OFF \
    -DCMAKE_UNITY_BUILD=ON -DCMAKE_TOOLCHAIN_FILE="$qt_windows/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" >/dev/null
cmake --build build-win-gui -j"$jobs"
(cd build-win-gui && cpack >/dev/null)
ls -l build-win-gui/orvan2a-*-win64.*

step "Windows unit tests of text and paths, built without Qt"
cmake -S . -B build-win-tests -DCMAKE_BUILD_TYPE=Release -DORVAN_GUI=OFF -DORVAN_SIM=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" >/dev/null
cmake --build build-win-tests -j"$jobs" --target windows_tests

step "Windows command-line tool and unit tests under wine against the simulated unit"
tests/windows/wine-cli-test.sh build/bin build-win-gui/bin build-win-tests/bin

step "Windows desktop program, its installer and its zip under wine"
tests/windows/wine-gui-test.sh build-win-gui build/bin docs/screenshots/windows-main-window.png

step "Fuzzing (short runs)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DORVAN_FUZZ=ON -DORVAN_GUI=OFF -DORVAN_SIM=OFF \
    -DORVAN_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_targets
# The settings text reader starts from the exports of the test files.
text_seeds=$(mktemp -d)
for file in tests/data/*.rvx2a2; do
    build/bin/orvan2a-cli export "$file" "$text_seeds/$(basename "$file" .rvx2a2).txt" 2>/dev/null ||
        true
done
for target in build-fuzz/bin/fuzz_*; do
    corpus=$(mktemp -d)
    seeds=
    [ "$(basename "$target")" = fuzz_settings_text ] && seeds=$text_seeds
    "$target" -max_total_time=20 -rss_limit_mb=2048 "$corpus" $seeds 2>&1 | tail -n 2
    rm -rf "$corpus"
done
rm -rf "$text_seeds"
echo "fuzzing: no crash"
printf '\nall tests passed in %d:%02d\n' $((SECONDS / 60)) $((SECONDS % 60))
