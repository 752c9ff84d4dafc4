#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Release tree with the benchmarks and measures, on the offscreen platform:
#  1. the core recomputation (Google Benchmark, bench/core_bench.cpp), and the cove
#     planner's solve and pass schedule (bench/plan_bench.cpp);
#  2. one keystroke on the real window until everything is painted (bench/keystroke_bench.cpp);
#  3. start-up to the first painted window and peak memory, against a bare Qt Widgets
#     program with one label built in the same tree with the same flags, each started
#     BENCH_RUNS times (default 20) in turn; medians and ratios are printed.
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${BENCH_RUNS:-20}"

bash scripts/setup.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen

cmake --preset release
cmake --build --preset release
bin=build-release/bench

echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"

echo "== core recomputation"
"$bin/core_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_filter='recompute|keystrokeInTheModel|solveOnly'

echo "== cove planner"
"$bin/plan_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

echo "== one keystroke, key event to painted window"
"$bin/keystroke_bench" --benchmark_min_time=2

echo "== start-up to the first painted window, and peak memory ($runs runs each)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
run_once() {  # program -> "<wall microseconds> <max RSS KiB>"
  local start stop
  start=$(date +%s%N)
  /usr/bin/time -f %M -o "$tmp/rss" "$1" >/dev/null 2>&1
  stop=$(date +%s%N)
  echo "$(( (stop - start) / 1000 )) $(cat "$tmp/rss")"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

run_once "$bin/bare_probe" >/dev/null  # warm the caches
run_once "$bin/startup_probe" >/dev/null
for _ in $(seq "$runs"); do
  run_once "$bin/bare_probe" >>"$tmp/bare"
  run_once "$bin/startup_probe" >>"$tmp/arcwright"
done
bare_us=$(cut -d' ' -f1 "$tmp/bare" | median)
bare_kb=$(cut -d' ' -f2 "$tmp/bare" | median)
arc_us=$(cut -d' ' -f1 "$tmp/arcwright" | median)
arc_kb=$(cut -d' ' -f2 "$tmp/arcwright" | median)
awk -v bu="$bare_us" -v bk="$bare_kb" -v au="$arc_us" -v ak="$arc_kb" 'BEGIN {
  printf "%-26s %12s %14s\n", "", "start-up ms", "peak RSS MiB"
  printf "%-26s %12.1f %14.1f\n", "bare Qt window, one label", bu / 1000, bk / 1024
  printf "%-26s %12.1f %14.1f\n", "Arcwright", au / 1000, ak / 1024
  printf "%-26s %12.2f %14.2f\n", "ratio", au / bu, ak / bk
}'
