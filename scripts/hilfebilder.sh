#!/bin/sh
# Takes the pictures of the manual (daten/hilfe/bilder/) from the program's own windows,
# offscreen. Run from the source folder after a build in ./build (or give the build folder).
set -e
bau="${1:-build}"
cmake --build "$bau" --target test_fenster_HilfefensterTest
KALVORA_HILFEBILDER="$(pwd)/daten/hilfe/bilder" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
    "$bau/tests/test_fenster_HilfefensterTest" Bilder
ls -l daten/hilfe/bilder
