#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer) and
# runs each for a bounded time, starting from its seed corpus in fuzz/corpus/<target>/.
# What a run learns is kept in build-fuzz/fuzz/work/ for the next run. A crash or a broken
# property stops the script; the input that did it is saved under build-fuzz/fuzz/artifacts/
# and replays with: build-fuzz/fuzz/<target> <artifact>
#
#   FUZZ_SECONDS=300 bash scripts/fuzz.sh          # longer runs
#   bash scripts/fuzz.sh recompute_fuzz             # one target
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-30}"
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
  targets=(number_text_fuzz show_fraction_fuzz recompute_fuzz plan_fuzz)
fi

cmake --preset fuzz
cmake --build --preset fuzz

out=build-fuzz/fuzz
mkdir -p "$out/artifacts"
for target in "${targets[@]}"; do
  work="$out/work/$target"
  log="$out/$target.log"
  mkdir -p "$work"
  echo "fuzzing $target for ${seconds}s (log: $log)"
  if ! UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ASAN_OPTIONS=detect_leaks=1 \
      "$out/$target" -max_total_time="$seconds" -max_len=256 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$out/artifacts/$target-" "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "FAILED: $target; the input is in $out/artifacts/" >&2
    exit 1
  fi
  grep -E '^Done|stat::number_of_executed_units|stat::new_units_added' "$log" | tr '\n' ' '
  echo
done
