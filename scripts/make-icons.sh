#!/usr/bin/env bash
# Renders the program's icon from its SVG into the PNGs the program and the packages use and the
# .ico of the Windows executable (Debian's librsvg2-bin and icoutils). The results are committed,
# so no build needs an SVG renderer; run this again after changing the SVG.
set -euo pipefail
icons="$(cd "$(dirname "$0")/.." && pwd)/src/app/icons"
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
    rsvg-convert -w "$size" -h "$size" "$icons/orvan2a.svg" -o "$icons/orvan2a-$size.png"
done
icotool -c -o "$icons/orvan2a.ico" "$icons"/orvan2a-{16,24,32,48,64,128}.png -r "$icons/orvan2a-256.png"
