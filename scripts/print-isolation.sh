#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Watches what the printing tests must leave alone: the machine's print configuration
# (/etc/cups), the system's and the user's lpoptions (where the default printer is kept)
# and the print schedulers that are running.
#
#   print-isolation.sh record FILE   write what is there now to FILE
#   print-isolation.sh check FILE    compare with FILE; fail and show the difference
set -uo pipefail

action=${1:-}
file=${2:-}
if [ -z "$action" ] || [ -z "$file" ]; then
  echo "usage: $0 record|check FILE" >&2
  exit 2
fi
export LC_ALL=C

checksum() {
  if [ ! -e "$1" ]; then
    echo "absent $1"
  elif [ ! -r "$1" ]; then
    echo "unreadable $1"
  else
    sha256sum "$1"
  fi
}

snapshot() {
  local f
  if [ -d /etc/cups ]; then
    find /etc/cups -type f 2>/dev/null | sort | while read -r f; do checksum "$f"; done
  fi
  checksum /etc/cups/lpoptions
  checksum "${HOME:-/nonexistent}/.cups/lpoptions"
  # Running schedulers, by PID and command line; a zombie that only waits to be reaped is
  # no longer running.
  ps -C cupsd -o pid=,stat=,args= 2>/dev/null | awk '$2 !~ /^Z/ { $2 = ""; print "cupsd " $0 }'
}

case "$action" in
  record)
    mkdir -p "$(dirname "$file")"
    snapshot >"$file"
    echo "print-isolation: recorded $(grep -c . "$file") entries in $file"
    ;;
  check)
    if [ ! -f "$file" ]; then
      echo "print-isolation: nothing recorded in $file" >&2
      exit 1
    fi
    now=$(mktemp)
    trap 'rm -f "$now"' EXIT
    snapshot >"$now"
    if ! diff -u "$file" "$now" >"$now.diff"; then
      echo "print-isolation: the machine's print set-up changed while the tests ran" \
        "(- before, + after):"
      tail -n +3 "$now.diff"
      rm -f "$now.diff"
      exit 1
    fi
    rm -f "$now.diff"
    echo "print-isolation: /etc/cups, lpoptions and the running schedulers are as they were"
    ;;
  *)
    echo "usage: $0 record|check FILE" >&2
    exit 2
    ;;
esac
