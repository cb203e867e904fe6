#!/usr/bin/env bash
# Runs every fuzz target for a bounded time; its corpus lives in fuzz/korpus/<target>.
set -euo pipefail
build=${1:-build-fuzz}
sekunden=${2:-60}
quelle=$(cd "$(dirname "$0")/.." && pwd)
status=0
for f in "$build"/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  korpus="$build/korpus/$name"
  mkdir -p "$korpus"
  saat="$quelle/fuzz/korpus/$name"
  echo "== $name ($sekunden s)"
  if [ -d "$saat" ]; then
    "$f" -max_total_time="$sekunden" -print_final_stats=1 "$korpus" "$saat" || status=1
  else
    "$f" -max_total_time="$sekunden" -print_final_stats=1 "$korpus" || status=1
  fi
done
exit $status
