#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Watches what the printing tests could change and must leave alone: the machine's print
# configuration (/etc/cups), the system's and the user's lpoptions (where the default
# printer is kept), the machine's own scheduler (the cupsd that reads /etc/cups), and the
# tests' own print service, which must be gone once they are over.
#
#   print-isolation.sh record FILE [STATE...]   write what is there now to FILE
#   print-isolation.sh check FILE [STATE...]    compare with FILE; fail and show the difference
#
# STATE is a folder that scripts/print-service.sh starts the tests' service in; `check`
# fails while a scheduler of one of them still runs. Schedulers of other programs on the
# same machine (a private cupsd of another project, from a folder of its own) are none of
# these tests' business and are only counted. ARCWRIGHT_CUPS_ETC names another folder than
# /etc/cups to watch, for this script's own test.
set -uo pipefail

action=${1:-}
file=${2:-}
if [ -z "$action" ] || [ -z "$file" ] || { [ "$action" != record ] && [ "$action" != check ]; }; then
  echo "usage: $0 record|check FILE [STATE...]" >&2
  exit 2
fi
shift 2
export LC_ALL=C
etc=${ARCWRIGHT_CUPS_ETC:-/etc/cups}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=print-schedulers.sh
. "$here/print-schedulers.sh"

# The services' folders as print-service.sh names them: absolute, through their own name.
services=()
for state in "$@"; do
  services+=("$(cd "$(dirname "$state")" 2>/dev/null && pwd)/$(basename "$state")")
done

say() { echo "print-isolation: $*"; }

checksum() {
  if [ ! -e "$1" ]; then
    echo "absent $1"
  elif [ ! -r "$1" ]; then
    echo "unreadable $1"
  else
    sha256sum "$1"
  fi
}

# Sorts the running schedulers into three lists, one "PID config" a line each.
system_schedulers='' own_schedulers='' other_schedulers=''
sort_schedulers() {
  local pid config service mine
  while IFS=$'\t' read -r pid config; do
    if [ "${config#"$etc"/}" != "$config" ]; then
      system_schedulers+="$pid $config"$'\n'
      continue
    fi
    mine=0
    for service in ${services[@]+"${services[@]}"}; do
      [ "$config" = "$service/cupsd.conf" ] && mine=1
    done
    if [ "$mine" -eq 1 ]; then
      own_schedulers+="$pid $config"$'\n'
    else
      other_schedulers+="$pid $config"$'\n'
    fi
  done < <(print_schedulers)
}

snapshot() {
  local f
  if [ -d "$etc" ]; then
    find "$etc" -type f 2>/dev/null | sort | while read -r f; do checksum "$f"; done
  fi
  checksum "$etc/lpoptions"
  checksum "${HOME:-/nonexistent}/.cups/lpoptions"
  # The machine's own scheduler by PID and configuration: stopped, started or restarted
  # shows as a difference.
  printf '%s' "$system_schedulers" | sed 's/^/system cupsd /'
}

count() { printf '%s' "$1" | grep -c .; }

sort_schedulers
case "$action" in
  record)
    mkdir -p "$(dirname "$file")"
    snapshot >"$file"
    if [ -n "$own_schedulers" ]; then
      say "the tests' print service is still running from an earlier run" \
        "(print-service.sh start stops it): $(printf '%s' "$own_schedulers" | tr '\n' ';')"
    fi
    say "recorded $(grep -c . "$file") entries in $file;" \
      "$(count "$other_schedulers") other program(s)' scheduler(s) left out"
    ;;
  check)
    if [ ! -f "$file" ]; then
      say "nothing recorded in $file" >&2
      exit 1
    fi
    now=$(mktemp)
    trap 'rm -f "$now" "$now.diff"' EXIT
    snapshot >"$now"
    failed=0
    if ! diff -u "$file" "$now" >"$now.diff"; then
      say "the machine's print set-up changed while the tests ran (- before, + after):"
      tail -n +3 "$now.diff"
      failed=1
    fi
    if [ -n "$own_schedulers" ]; then
      say "the tests' own print service is still running:"
      printf '%s' "$own_schedulers" | sed 's/^/  cupsd /'
      failed=1
    fi
    if [ "$failed" -ne 0 ]; then
      exit 1
    fi
    say "$etc, lpoptions and the machine's scheduler are as they were, and the tests'" \
      "print service is gone; $(count "$other_schedulers") other program(s)' scheduler(s) left out"
    ;;
esac
