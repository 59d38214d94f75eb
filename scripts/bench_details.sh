#!/usr/bin/env bash
# Cost per table row of skycalc-cli with and without --details, measured as
# scripts/bench_table.sh measures the tables: whole processes on one core
# (taskset -c 0) under /usr/bin/time, median of 3 runs, CPU per row =
# (CPU of N rows - CPU of 1 row) / (N - 1); hourly rows from 2024-01-01 at
# 139.7 E, 35.7 N, text output. With --instructions the cost is the count of
# instructions under valgrind's callgrind instead (one run each, N smaller):
# exact and the same on a loaded machine, where CPU times vary by 20 %.
#   SKYCALC_BUILD=build-release scripts/bench_details.sh [--instructions]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SKYCALC_BUILD:-build}
mode=${1:-}
at="--year 2024 --month 1 --day 1 --hour 0 --minute 0 --zone-hour 9 --zone-minute 0 --longitude 139.7
    --latitude 35.7 --azimuth 180 --data-dir data --step 1h"
out=/tmp/skycalc-bench-details.$$
trap 'rm -f "$out"' EXIT
cpu() {
  /usr/bin/time -f "%U %S" -o "$out" taskset -c 0 "$build/skycalc-cli" $at "$@" >/dev/null
  awk '{print $1 + $2}' "$out"
}
instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$out" "$build/skycalc-cli" $at "$@" >/dev/null 2>&1
  awk '/^summary:/ {print $2}' "$out"
}
median() { for _ in 1 2 3; do cpu "$@"; done | sort -n | sed -n 2p; }
echo "| Model | Body | Row | Row with --details | Ratio |"
echo "|---|---|---|---|---|"
for model in calculator precise; do
  flag=""; n=1000000
  if [ "$model" = precise ]; then flag="--precise"; n=100000; fi
  if [ "$mode" = --instructions ]; then  # callgrind: 10,001 and 2,501 rows
    n=10001
    if [ "$model" = precise ]; then n=2501; fi
  fi
  for body in mars moon; do
    per=()
    for details in "" "--details"; do
      if [ "$mode" = --instructions ]; then
        one=$(instructions --planet "$body" --count 1 $flag $details)
        many=$(instructions --planet "$body" --count "$n" $flag $details)
        per+=("$(( (many - one) / (n - 1) ))")
      else
        one=$(median --planet "$body" --count 1 $flag $details)
        many=$(median --planet "$body" --count "$n" $flag $details)
        per+=("$(echo "($many - $one) / ($n - 1) * 1000000" | bc -l)")
      fi
    done
    if [ "$mode" = --instructions ]; then
      printf '| %s | %s | %d | %d | %.2fx |\n' "$model" "$body" "${per[0]}" "${per[1]}" \
        "$(echo "${per[1]} / ${per[0]}" | bc -l)"
    else
      printf '| %s | %s | %.3f us | %.3f us | %.2fx |\n' "$model" "$body" "${per[0]}" "${per[1]}" \
        "$(echo "${per[1]} / ${per[0]}" | bc -l)"
    fi
  done
done
