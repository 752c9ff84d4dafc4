# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by scripts/print-service.sh and scripts/print-isolation.sh: which print schedulers
# run here, and whose configuration each one reads. That file is what tells the machine's
# own scheduler (/etc/cups/cupsd.conf), the tests' private one (print-service.sh's STATE)
# and any other program's apart.

# Each running cupsd in this file-system root, one a line: its PID, a tab, and the absolute
# path of the cupsd.conf it was started with. A zombie that only waits to be reaped no
# longer runs; a scheduler in another root (a chroot) reads another machine's files, even
# where the path is the same. Where the root of a process cannot be read (another user's,
# seen by an ordinary user) it counts as this one.
print_schedulers() {
  local proc pid root mine
  mine=$(readlink /proc/self/root)
  for proc in /proc/[0-9]*; do
    [ "$(cat "$proc/comm" 2>/dev/null)" = cupsd ] || continue
    pid=${proc#/proc/}
    # The state is the first field after the name in brackets, which holds no blank here.
    case "$(cut -d' ' -f3 "$proc/stat" 2>/dev/null)" in Z | X | '') continue ;; esac
    if root=$(readlink "$proc/root" 2>/dev/null) && [ "$root" != "$mine" ]; then
      continue
    fi
    printf '%s\t%s\n' "$pid" "$(scheduler_config "$pid")"
  done
}

# The cupsd.conf that scheduler $1 reads: the argument of its -c option (which may share a
# word with other one-letter options, as in -fc FILE), made absolute as cupsd makes it, or
# the compiled-in /etc/cups/cupsd.conf without one.
scheduler_config() {
  local pid=$1 config='' word letters want=()
  local words=()
  mapfile -d '' -t words 2>/dev/null <"/proc/$pid/cmdline"
  for word in "${words[@]:1}"; do
    if [ "${#want[@]}" -gt 0 ]; then
      [ "${want[0]}" = c ] && config=$word
      want=("${want[@]:1}")
      continue
    fi
    case "$word" in
      -*)
        letters=${word#-}
        while [ -n "$letters" ]; do
          case "${letters:0:1}" in c | s) want+=("${letters:0:1}") ;; esac
          letters=${letters:1}
        done
        ;;
    esac
  done
  [ -n "$config" ] || config=/etc/cups/cupsd.conf
  case "$config" in
    /*) ;;
    *) config="$(readlink "/proc/$pid/cwd" 2>/dev/null)/$config" ;;
  esac
  echo "$config"
}
