#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/print-isolation.sh fails when what the tests could change did change, and only
# then: on a stand-in for the machine's print set-up (a configuration folder of its own in
# place of /etc/cups, with a scheduler reading it, and a home folder), record, change one
# thing, check. Another program's private scheduler coming or going passes; a changed
# configuration file or lpoptions, the machine's scheduler restarted, or the tests' own
# service left running fails.
#
#   print_isolation_test.sh SCRIPTS_DIR WORK_DIR
set -uo pipefail
scripts=$1
work=$2
export LC_ALL=C
PATH="$PATH:/usr/sbin:/sbin"
for tool in cupsd lpstat; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is missing (scripts/setup.sh installs CUPS); not checked"
    exit 77
  fi
done

rm -rf "$work"
mkdir -p "$work/etc" "$work/home"
work=$(cd "$work" && pwd)
etc=$work/etc
# The stand-in scheduler's spool, logs and socket: under /tmp like the tests' service, so
# its filters could reach them and the socket's path stays short.
runtime=$(mktemp -d /tmp/arcwright-isolation-test.XXXXXX)
chmod 755 "$runtime"
own=$work/own-service        # the tests' own service, by its STATE
other=$runtime/other-program # another program's private scheduler, from a /tmp folder
system_pid=''
cleanup() {
  [ -n "$system_pid" ] && kill -TERM "$system_pid" 2>/dev/null
  bash "$scripts/print-service.sh" stop "$own" >/dev/null 2>&1
  bash "$scripts/print-service.sh" stop "$other" >/dev/null 2>&1
  if [ -n "$system_pid" ]; then
    for _ in $(seq 50); do [ -d "/proc/$system_pid" ] || break; sleep 0.1; done
  fi
  rm -rf "$runtime" "$work"
}
trap cleanup EXIT

cat >"$etc/cupsd.conf" <<EOF
Listen $runtime/system.sock
WebInterface No
Browsing No
LogLevel warn
EOF
mkdir -p "$runtime/spool/tmp" "$runtime/cache" "$runtime/state" "$runtime/log"
cat >"$etc/cups-files.conf" <<EOF
ServerRoot $runtime
RequestRoot $runtime/spool
CacheDir $runtime/cache
StateDir $runtime/state
TempDir $runtime/spool/tmp
AccessLog $runtime/log/access_log
ErrorLog $runtime/log/error_log
PageLog $runtime/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
EOF
if [ "$(id -u)" -ne 0 ]; then
  printf 'User %s\nGroup %s\nSystemGroup %s\n' "$(id -un)" "$(id -gn)" "$(id -gn)" \
    >>"$etc/cups-files.conf"
fi
echo "# the stand-in machine's printers" >"$etc/printers.conf"

# The stand-in for the machine's own scheduler: a cupsd reading the configuration folder.
start_system() {
  (exec setsid cupsd -f -c "$etc/cupsd.conf" -s "$etc/cups-files.conf" \
    </dev/null >/dev/null 2>&1) &
  system_pid=$!
  for _ in $(seq 100); do
    CUPS_SERVER=$runtime/system.sock lpstat -r 2>/dev/null | grep -q "scheduler is running" && return 0
    sleep 0.1
  done
  echo "the stand-in scheduler did not start: $(cat "$runtime/log/error_log" 2>/dev/null)"
  exit 1
}
stop_system() {
  kill -TERM "$system_pid" 2>/dev/null
  for _ in $(seq 100); do
    if [ ! -d "/proc/$system_pid" ] ||
      [ "$(cut -d' ' -f3 "/proc/$system_pid/stat" 2>/dev/null)" = Z ]; then
      break
    fi
    sleep 0.1
  done
  system_pid=''
}
start_system

# shellcheck source=script_rows.sh
source "$(dirname "${BASH_SOURCE[0]}")/script_rows.sh"

isolation() { # record|check
  ARCWRIGHT_CUPS_ETC=$etc HOME=$work/home bash "$scripts/print-isolation.sh" "$1" \
    "$work/record.txt" "$own"
}
service() { bash "$scripts/print-service.sh" "$@" >/dev/null 2>&1; }

# What a row does to the stand-in machine.
act() {
  case "$1" in
    '') ;;
    other-starts) service start "$other" ;;
    other-stops) service stop "$other" ;;
    own-starts) service start "$own" ;;
    own-starts-and-stops) service start "$own" && service stop "$own" ;;
    printers-conf) echo '<Printer Shop>' >>"$etc/printers.conf" ;;
    ppd) mkdir -p "$etc/ppd" && echo '*PPD-Adobe: "4.3"' >"$etc/ppd/Shop.ppd" ;;
    machine-lpoptions) echo 'Default PDF' >"$etc/lpoptions" ;;
    user-lpoptions) mkdir -p "$work/home/.cups" && echo 'Default PDF' >"$work/home/.cups/lpoptions" ;;
    system-restarts) stop_system && start_system ;;
    system-stops) stop_system ;;
  esac
}

# name | before recording | between recording and checking | passes | what the check says
rows=(
  "nothing changes|||pass|are as they were"
  "another program's scheduler starts||other-starts|pass|are as they were"
  "another program's scheduler stops|other-starts|other-stops|pass|are as they were"
  "the tests' own service starts and stops||own-starts-and-stops|pass|are as they were"
  "the tests' own service is left running||own-starts|fail|own print service is still running"
  "a configuration file changes||printers-conf|fail|printers.conf"
  "a printer description appears||ppd|fail|Shop.ppd"
  "the machine's lpoptions names a default||machine-lpoptions|fail|-absent"
  "the user's lpoptions names a default||user-lpoptions|fail|home/.cups/lpoptions"
  "the machine's scheduler restarts||system-restarts|fail|+system cupsd"
  "the machine's scheduler stops||system-stops|fail|-system cupsd"
)
for entry in "${rows[@]}"; do
  IFS='|' read -r row before between want says <<<"$entry"
  [ -n "$system_pid" ] || start_system
  act "$before"
  recorded=$(isolation record 2>&1) || fail "record failed: $recorded"
  act "$between"
  checked=$(isolation check 2>&1)
  status=$?
  if [ "$want" = pass ] && [ "$status" -ne 0 ]; then fail "the check failed: $checked"; fi
  if [ "$want" = fail ] && [ "$status" -eq 0 ]; then fail "the check passed: $checked"; fi
  grep -qF -- "$says" <<<"$checked" || fail "the check does not say '$says': $checked"
  # Back to the stand-in machine as it was.
  service stop "$own"
  service stop "$other"
  rm -rf "$etc/ppd" "$etc/lpoptions" "$work/home/.cups"
  echo "# the stand-in machine's printers" >"$etc/printers.conf"
  passed
done

# Bad calls are refused; a check with nothing recorded fails.
row="check with nothing recorded"
rm -f "$work/record.txt"
isolation check >/dev/null 2>&1 && fail "passed"
passed
refused "$scripts/print-isolation.sh" "" "record" "compare $work/record.txt"

finish
