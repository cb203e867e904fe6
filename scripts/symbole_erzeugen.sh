#!/usr/bin/env bash
# Renders the program symbol daten/icons/kalvora.svg into the PNG sizes of the hicolor icon
# theme (paket/icons/<n>x<n>.png), for the package. Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p paket/icons
for n in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$n" -h "$n" daten/icons/kalvora.svg -o "paket/icons/${n}x${n}.png"
done
