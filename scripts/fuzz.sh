#!/usr/bin/env bash
# Runs every fuzz target for a bounded time; its corpus lives in fuzz/korpus/<target>.
# Prints one line per target (executions and executions per second from libFuzzer's final
# statistics) and a total; the full output of each run is kept in <build>/fuzz-protokolle/.
# An input that takes longer than ZEITGRENZE seconds (default 10) counts as a finding (a hang),
# as does one that needs more than 2 GB.
set -euo pipefail
build=${1:-build-fuzz}
sekunden=${2:-60}
zeitgrenze=${ZEITGRENZE:-10}
quelle=$(cd "$(dirname "$0")/.." && pwd)
protokolle="$build/fuzz-protokolle"
mkdir -p "$protokolle"
status=0
gesamt=0
for f in "$build"/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  korpus="$build/korpus/$name"
  mkdir -p "$korpus"
  saat="$quelle/fuzz/korpus/$name"
  protokoll="$protokolle/$name.log"
  ordner=("$korpus")
  [ -d "$saat" ] && ordner+=("$saat")
  befund="ohne Befund"
  gescheitert=0
  if ! "$f" -max_total_time="$sekunden" -timeout="$zeitgrenze" -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$protokolle/" \
      "${ordner[@]}" >"$protokoll" 2>&1; then
    befund="BEFUND, siehe $protokoll"
    gescheitert=1
    status=1
  fi
  laeufe=$(sed -n 's/^stat::number_of_executed_units: *//p' "$protokoll" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$protokoll" | tail -1)
  gesamt=$((gesamt + ${laeufe:-0}))
  printf '%-20s %10s Ausführungen %7s/s in %s s, %s\n' "$name" "${laeufe:-?}" "${rate:-?}" \
    "$sekunden" "$befund"
  [ $gescheitert -eq 0 ] || tail -n 30 "$protokoll"
done
printf '%-20s %10s Ausführungen\n' "gesamt" "$gesamt"
exit $status
