#!/usr/bin/env bash
# Installs what is missing, builds, starts a simulated unit as a COM port and then the program.
# Without a display it reads the simulated unit with the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVAN_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target orvan2a orvan2a-sim orvan2a-cli

log=$(mktemp)
build/bin/orvan2a-sim >"$log" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 50); do
    grep -q ' als COM' "$log" && break
    sleep 0.1
done
port=$(grep -o ' als COM[0-9]*' "$log" | grep -o 'COM[0-9]*' || true)
[ -n "$port" ] || { cat "$log"; echo "Die simulierte Einheit ist nicht gestartet." >&2; exit 1; }
echo "Simulierte Einheit läuft als $port."

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Wählen Sie im Programm den Port $port und drücken Sie \"Lesen\"."
    build/bin/orvan2a
else
    file="$PWD/demo.rvx2a2"
    build/bin/orvan2a-cli read "$port" "$file"
    echo "Registerdatei gespeichert in: $file"
fi
