#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window tests' scratch folder, their TMPDIR inside the build folder (tests/app/CMakeLists.txt).
# A test that CTest stops when its time is up cannot remove its temporary folders, and a
# program it started in the background may outlive it; both are cleared here.
#
#   test-scratch.sh prepare DIR   make DIR, clearing what an earlier run left in it
#   test-scratch.sh clear DIR     end every process that runs with TMPDIR=DIR, empty DIR
#
# Says what it cleared. Fails only when a process or a file will not go away.
set -uo pipefail

action=${1:-}
dir=${2:-}
if [ -z "$dir" ] || { [ "$action" != prepare ] && [ "$action" != clear ]; }; then
  echo "usage: $0 prepare|clear DIR" >&2
  exit 2
fi
mkdir -p "$dir" || exit 1
dir=$(cd "$dir" && pwd)

say() { echo "test-scratch: $*"; }

# The processes, other than this script and its callers, whose environment holds TMPDIR=DIR:
# started by a window test, directly or not. Only the user's own processes can be read.
left_running() {
  local proc pid ancestors=" " p=$$
  while [ -n "$p" ] && [ "$p" != 0 ]; do
    ancestors+="$p "
    p=$(awk '{ print $4 }' "/proc/$p/stat" 2>/dev/null)
  done
  for proc in /proc/[0-9]*; do
    pid=${proc#/proc/}
    [ "${ancestors#* "$pid" }" = "$ancestors" ] || continue
    case "$(cut -d' ' -f3 "$proc/stat" 2>/dev/null)" in Z | X | '') continue ;; esac
    tr '\0' '\n' 2>/dev/null <"$proc/environ" | grep -qxF "TMPDIR=$dir" && echo "$pid"
  done
}

failed=0
pids=$(left_running)
if [ -n "$pids" ]; then
  for pid in $pids; do
    say "ending process $pid, left running by a test: $(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline")"
  done
  # shellcheck disable=SC2086  # one PID a word
  kill -TERM $pids 2>/dev/null
  for _ in $(seq 30); do
    [ -z "$(left_running)" ] && break
    sleep 0.1
  done
  pids=$(left_running)
  # shellcheck disable=SC2086
  [ -n "$pids" ] && kill -KILL $pids 2>/dev/null
  sleep 0.2
  if [ -n "$(left_running)" ]; then
    say "still running: $(left_running | tr '\n' ' ')"
    failed=1
  fi
fi

left=$(find "$dir" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort)
if [ -n "$left" ]; then
  say "removing what a test that did not finish left in $dir: $(echo "$left" | tr '\n' ' ')"
  find "$dir" -mindepth 1 -delete 2>/dev/null || rm -rf "${dir:?}"/* "${dir:?}"/.[!.]* 2>/dev/null
  if [ -n "$(find "$dir" -mindepth 1 -maxdepth 1)" ]; then
    say "could not empty $dir"
    failed=1
  fi
fi
[ "$failed" -eq 0 ] && say "$dir is empty and no test process is left"
exit "$failed"
