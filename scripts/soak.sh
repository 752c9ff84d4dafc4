#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A long soak of the real window: seeded random events, with every result checked after
# each one (tests/app/soak_test.cpp). Built with AddressSanitizer and
# UndefinedBehaviorSanitizer, so memory faults stop it too.
#
#   bash scripts/soak.sh                 # 100000 events, a new seed each time
#   bash scripts/soak.sh 500000 1234     # events and seed; a failure names its seed
set -euo pipefail
cd "$(dirname "$0")/.."

events="${1:-${ARCWRIGHT_SOAK_EVENTS:-100000}}"
seed="${2:-${ARCWRIGHT_SOAK_SEED:-$(( $(date +%s) % 1000000 ))}}"

bash scripts/setup.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

cmake --preset asan
cmake --build --preset asan --target soak_test

echo "soak: $events events, seed $seed"
QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
  ARCWRIGHT_SOAK_EVENTS="$events" ARCWRIGHT_SOAK_SEED="$seed" \
  build-asan/tests/app/soak_test randomEvents
