#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/test-scratch.sh clears what a window test that CTest stopped left behind: its
# temporary folders and the processes it started, found by their TMPDIR. Nothing else goes:
# a process with another TMPDIR, or none, keeps running.
#
#   scratch_test.sh SCRIPTS_DIR WORK_DIR
set -uo pipefail
scripts=$1
work=$2
rm -rf "$work"
mkdir -p "$work/scratch" "$work/elsewhere"
work=$(cd "$work" && pwd)
scratch=$work/scratch

started=()
cleanup() {
  local pid
  for pid in ${started[@]+"${started[@]}"}; do kill -KILL "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=script_rows.sh
source "$(dirname "${BASH_SOURCE[0]}")/script_rows.sh"
alive() { [ -d "/proc/$1" ] && [ "$(cut -d' ' -f3 "/proc/$1/stat")" != Z ]; }

# A process in a session of its own, as a test's helper that detached itself would be.
background() { # TMPDIR-or-empty
  if [ -n "$1" ]; then
    TMPDIR=$1 setsid sleep 300 </dev/null >/dev/null 2>&1 &
  else
    env -u TMPDIR setsid sleep 300 </dev/null >/dev/null 2>&1 &
  fi
  started+=("$!")
  echo "$!"
}

# name | what is in the scratch folder or running | cleared (gone) or kept
rows=(
  "nothing left|none|gone"
  "a stopped test's temporary folder|folder|gone"
  "a socket file and a hidden file|files|gone"
  "a detached helper with the scratch TMPDIR|scratch-process|gone"
  "a process with another TMPDIR|other-process|kept"
  "a process without TMPDIR|no-tmpdir-process|kept"
)
for entry in "${rows[@]}"; do
  IFS='|' read -r row what expect <<<"$entry"
  pid=''
  case "$what" in
    folder) mkdir -p "$scratch/print_test-AbC123/nested" && echo page >"$scratch/print_test-AbC123/nested/p.pdf" ;;
    files) : >"$scratch/silent.sock" && : >"$scratch/.hidden" ;;
    scratch-process) pid=$(background "$scratch") ;;
    other-process) pid=$(background "$work/elsewhere") ;;
    no-tmpdir-process) pid=$(background "") ;;
  esac
  [ -n "$pid" ] && sleep 0.2 # until its environment is in place

  output=$(bash "$scripts/test-scratch.sh" clear "$scratch" 2>&1)
  status=$?
  [ "$status" -eq 0 ] || fail "exit $status: $output"
  [ -z "$(find "$scratch" -mindepth 1)" ] || fail "the scratch folder is not empty: $(ls -A "$scratch")"
  if [ -n "$pid" ]; then
    if [ "$expect" = gone ] && alive "$pid"; then fail "process $pid still runs"; fi
    if [ "$expect" = kept ] && ! alive "$pid"; then fail "process $pid was ended"; fi
    kill -KILL "$pid" 2>/dev/null
  fi
  case "$what" in
    none) grep -q "is empty" <<<"$output" || fail "says nothing about the folder: $output" ;;
    folder | files) grep -q "removing what a test that did not finish left" <<<"$output" ||
      fail "does not say what it removed: $output" ;;
    scratch-process) grep -q "ending process $pid" <<<"$output" || fail "does not name $pid: $output" ;;
  esac
  passed
done

# Bad calls are refused and touch nothing.
refused "$scripts/test-scratch.sh" "" "clear" "wipe $scratch"

finish
