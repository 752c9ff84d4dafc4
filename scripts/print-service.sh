#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings up a private print service for the tests that print for real, and takes it down
# again. Installs nothing: scripts/setup.sh does that.
#
#   print-service.sh start STATE   start a private cupsd with a PDF queue, found through STATE
#   print-service.sh stop STATE    stop that cupsd, wait until it is gone, remove its folder
#
# STATE is where the tests find the service: STATE/cups.sock (its socket, no network port),
# STATE/out (what its queue, $queue, prints) and STATE/home (a home folder for the tests).
# `start` makes STATE a symbolic link to a folder of the service's own under /tmp
# (/tmp/arcwright-print.XXXXXX, mode 755), which holds everything the scheduler owns: its
# configuration, spool, cache, logs, socket and programs. When root starts the scheduler,
# its filters run as the unprivileged user lp, which must reach every file they read along
# its whole path; a checkout in a home folder of mode 700 (root's /root) is out of its
# reach, /tmp is not. `stop` removes that folder again and keeps the scheduler's error log
# beside STATE, as STATE.error_log, when there was anything in it.
#
# The queue writes each job's PDF to STATE/out/$queue.pdf (the latest job) and keeps every
# job as STATE/out/jobs/NNNNNN.pdf, by job number (scripts/print-service-backend.sh). The
# machine's own cupsd, /etc/cups, the default printer and everyone's lpoptions are never
# touched: the test processes find the queue through CUPS_SERVER=STATE/cups.sock and
# PRINTER=$queue.
#
# `start` never fails the build: where cupsd is missing or cannot come up, the printing
# tests skip and say why. `stop` fails if the scheduler it started will not go away.
set -uo pipefail

action=${1:-}
state=${2:-}
if [ -z "$action" ] || [ -z "$state" ]; then
  echo "usage: $0 start|stop STATE" >&2
  exit 2
fi
case "$action" in
  start | stop) ;;
  *)
    echo "usage: $0 start|stop STATE" >&2
    exit 2
    ;;
esac

queue=PDF
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
parent=$(dirname "$state")
if ! mkdir -p "$parent"; then
  echo "print-service: cannot make $parent" >&2
  exit 1
fi
# Absolute, but through STATE's own name: the scheduler's command line names STATE, which is
# how this script and scripts/print-isolation.sh tell this service from anyone else's.
state="$(cd "$parent" && pwd)/$(basename "$state")"
socket="$state/cups.sock"
out="$state/out"
export LC_ALL=C
export CUPS_SERVER="$socket"
PATH="$PATH:/usr/sbin:/sbin"
# shellcheck source=print-schedulers.sh
. "$here/print-schedulers.sh"

say() { echo "print-service: $*"; }

# The schedulers reading STATE's configuration: PIDs, one a line. Found by their command
# line rather than a PID file, so a scheduler whose folder has gone is found too.
our_pids() {
  local pid config
  print_schedulers | while IFS=$'\t' read -r pid config; do
    [ "$config" = "$state/cupsd.conf" ] && echo "$pid"
  done
}

gone() { [ ! -d "/proc/$1" ] || [ "$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null)" = Z ]; }

# Waits up to $2 tenths of a second for process $1 to end.
await_end() {
  local _
  for _ in $(seq "$2"); do
    gone "$1" && return 0
    sleep 0.1
  done
  gone "$1"
}

# The private folder STATE links to, if it is one this script made for STATE.
private_folder() {
  local target
  [ -L "$state" ] || return 1
  target=$(readlink "$state")
  case "$target" in /tmp/arcwright-print.*) ;; *) return 1 ;; esac
  [ -d "$target" ] && [ -O "$target" ] || return 1
  [ "$(cat "$target/owner" 2>/dev/null)" = "$state" ] || return 1
  echo "$target"
}

stop_scheduler() {
  local pid session left=0
  for pid in $(our_pids); do
    session=$(ps -o sid= -p "$pid" | tr -d ' ')
    kill -TERM "$pid" 2>/dev/null
    if ! await_end "$pid" 100; then
      say "cupsd $pid ignored SIGTERM for 10 s; killing it"
      kill -KILL "$pid" 2>/dev/null
      await_end "$pid" 50
    fi
    if ! gone "$pid"; then
      say "cupsd $pid is still running"
      left=1
      continue
    fi
    # The scheduler leads a session of its own; a filter or backend of a job it was working
    # on when it was stopped goes with it.
    if [ "$session" = "$pid" ]; then
      ps -e -o pid=,sid= | awk -v s="$session" '$2 == s { print $1 }' |
        while read -r child; do kill -KILL "$child" 2>/dev/null; done
    fi
    say "stopped cupsd $pid"
  done
  return "$left"
}

# Removes what STATE stands for: the private folder and the link to it, or the folder an
# older version of this script kept at STATE itself.
remove_state() {
  local folder
  if folder=$(private_folder); then
    if [ -s "$folder/log/error_log" ]; then
      cp "$folder/log/error_log" "$state.error_log" 2>/dev/null
    fi
    rm -rf "$folder"
    rm -f "$state"
  elif [ -L "$state" ]; then
    # A link to a folder that is gone (a reboot emptied /tmp) or was never ours.
    rm -f "$state"
  elif [ -d "$state" ]; then
    if grep -qxF "Listen $socket" "$state/cupsd.conf" 2>/dev/null; then
      rm -rf "$state"
    elif ! rmdir "$state" 2>/dev/null; then
      say "$state is a folder this script did not make; leaving it alone"
      return 1
    fi
  fi
  # Folders of earlier runs for this STATE that lost their link (the build folder was
  # removed while a run was cut short).
  local stale
  for stale in /tmp/arcwright-print.*; do
    if [ ! -d "$stale" ] || [ -L "$stale" ] || [ ! -O "$stale" ]; then continue; fi
    [ "$(cat "$stale/owner" 2>/dev/null)" = "$state" ] || continue
    rm -rf "$stale"
  done
  return 0
}

stop() {
  local status=0
  stop_scheduler || status=1
  if [ "$status" -eq 0 ]; then
    remove_state || status=1
  fi
  return "$status"
}

# The scheduler's own program folder: this project's backend, the system's filters and
# helper programs. Owned by whoever runs the scheduler and not writable by anyone else, as
# the scheduler checks before it runs a program as root.
write_programs() {
  local bin=$1 part
  mkdir -p "$bin/backend"
  for part in filter daemon cgi-bin monitor notifier driver; do
    [ -e "/usr/lib/cups/$part" ] && ln -s "/usr/lib/cups/$part" "$bin/$part"
  done
  install -m 0700 "$here/print-service-backend.sh" "$bin/backend/arcwright-pdf"
}

write_config() {
  local folder=$1
  mkdir -p "$folder/spool/tmp" "$folder/cache" "$folder/state" "$folder/log" "$folder/ppd"
  mkdir -p "$folder/out/jobs" "$folder/home"
  # The filters run as the unprivileged user lp when the scheduler runs as root.
  chmod 1777 "$folder/out" "$folder/out/jobs" "$folder/spool/tmp"
  chmod 700 "$folder/home"
  write_programs "$folder/bin"
  cat >"$folder/cupsd.conf" <<EOF
Listen $folder/cups.sock
WebInterface No
Browsing No
LogLevel warn
MaxLogSize 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  cat >"$folder/cups-files.conf" <<EOF
ServerRoot $folder
RequestRoot $folder/spool
CacheDir $folder/cache
StateDir $folder/state
TempDir $folder/spool/tmp
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
ServerBin $folder/bin
DataDir /usr/share/cups
FileDevice No
EOF
  if [ "$(id -u)" -ne 0 ]; then
    # A scheduler started by an ordinary user runs its filters as that user.
    printf 'User %s\nGroup %s\nSystemGroup %s\n' "$(id -un)" "$(id -gn)" "$(id -gn)" \
      >>"$folder/cups-files.conf"
  fi
  # A PostScript-printer description with one filter that takes the print-ready PDF as it
  # is, so the queue writes Qt's own PDF into the out folder.
  cat >"$folder/pdf-file.ppd" <<'EOF'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PDFFILE.PPD"
*Manufacturer: "Arcwright"
*Product: "(PDF file)"
*ModelName: "Arcwright PDF file"
*ShortNickName: "Arcwright PDF file"
*NickName: "Arcwright PDF file"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Page Region: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "18 36 594 756"
*ImageableArea A4/A4: "18 36 577 806"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
*PaperDimension A4/A4: "595 842"
EOF
  chmod 644 "$folder/cupsd.conf" "$folder/cups-files.conf" "$folder/pdf-file.ppd"
}

start() {
  local tool folder
  for tool in cupsd lpstat lpadmin; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      say "$tool is missing (scripts/setup.sh installs CUPS); the printing tests will skip"
      return 0
    fi
  done
  # A scheduler left over from an interrupted run goes first, and its folder with it.
  rm -f "$state.error_log"
  if ! stop; then
    say "could not clear what an earlier run left at $state; the printing tests will skip"
    return 0
  fi

  if ! folder=$(mktemp -d /tmp/arcwright-print.XXXXXX); then
    say "cannot make a folder under /tmp; the printing tests will skip"
    return 0
  fi
  chmod 755 "$folder"
  echo "$state" >"$folder/owner"
  write_config "$folder"
  if ! ln -s "$folder" "$state"; then
    say "cannot link $state to $folder; the printing tests will skip"
    rm -rf "$folder"
    return 0
  fi
  # The scheduler reads its configuration through STATE (see above); the paths inside it
  # are the private folder's own, the ones its filters see.
  if ! cupsd -t -c "$state/cupsd.conf" -s "$state/cups-files.conf" >"$folder/cupsd-check.log" 2>&1; then
    say "cupsd refuses the private configuration; the printing tests will skip"
    cat "$folder/cupsd-check.log"
    return 0
  fi

  # Detached into its own session and with no handle on the caller's output, so a test
  # runner waiting for this script's output does not wait for cupsd as well. exec keeps
  # the PID that $! reports the scheduler's own.
  (exec setsid cupsd -f -c "$state/cupsd.conf" -s "$state/cups-files.conf" \
    </dev/null >"$folder/cupsd.log" 2>&1) &
  local pid=$!
  local _
  for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "scheduler is running" && break
    gone "$pid" && break
    sleep 0.1
  done
  if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
    say "the private cupsd did not come up; the printing tests will skip"
    cat "$folder/cupsd.log" "$folder/log/error_log" 2>/dev/null
    stop
    return 0
  fi
  say "started cupsd $pid on $socket (its folder: $folder)"

  # lpadmin warns that printer descriptions are deprecated; for a file queue that is noise.
  if lpadmin -p "$queue" -E -v "arcwright-pdf:$out/$queue.pdf" -P "$folder/pdf-file.ppd" 2>&1 |
    grep -v "drivers are deprecated" >&2
    [ "${PIPESTATUS[0]}" -eq 0 ] &&
      lpadmin -p "$queue" -o printer-error-policy=abort-job; then
    say "queue $queue writes to $out/$queue.pdf and keeps every job in $out/jobs"
  else
    say "could not set up the $queue queue; the printing tests will skip"
  fi
  return 0
}

"$action"
