#!/usr/bin/env bash
# Runs every test of a build folder and ends with one summary line.
set -uo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
log="$build/ctest.log"
(cd "$build" && ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)") 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
zeile=$(grep -E '[0-9]+% tests passed' "$log" | tail -n 1)
echo
echo "${zeile:-keine Tests gelaufen}"
exit "$status"
