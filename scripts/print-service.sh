#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings up a private print service for the tests that print for real, and takes it down
# again. Installs nothing: scripts/setup.sh does that.
#
#   print-service.sh start STATE_DIR   start a private cupsd in STATE_DIR with a PDF queue
#   print-service.sh stop STATE_DIR    stop that cupsd and wait until it is gone
#
# Everything the scheduler owns lives under STATE_DIR: its configuration, spool, cache,
# logs and its socket (STATE_DIR/cups.sock, no network port). Its one queue, $queue,
# writes each job as a PDF to STATE_DIR/out/$queue.pdf. The machine's own cupsd, /etc/cups,
# the default printer and everyone's lpoptions are never touched: the test processes find
# the queue through CUPS_SERVER=STATE_DIR/cups.sock and PRINTER=$queue.
#
# `start` never fails the build: where cupsd is missing or cannot come up, the printing
# tests skip and say why. `stop` fails if the scheduler it started will not go away.
set -uo pipefail

action=${1:-}
state=${2:-}
if [ -z "$action" ] || [ -z "$state" ]; then
  echo "usage: $0 start|stop STATE_DIR" >&2
  exit 2
fi

queue=PDF
mkdir -p "$state"
state=$(cd "$state" && pwd)
pid_file="$state/cupsd.pid"
socket="$state/cups.sock"
out="$state/out"
export LC_ALL=C
export CUPS_SERVER="$socket"
PATH="$PATH:/usr/sbin:/sbin"

say() { echo "print-service: $*"; }

# The PID in the pid file, if it is still a cupsd reading this folder's configuration.
our_pid() {
  [ -f "$pid_file" ] || return 1
  local pid
  pid=$(cat "$pid_file")
  [ -n "$pid" ] && [ -r "/proc/$pid/cmdline" ] || return 1
  tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qF -- "-c $state/cupsd.conf" || return 1
  echo "$pid"
}

gone() { [ ! -d "/proc/$1" ] || [ "$(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null)" = Z ]; }

stop() {
  local pid
  if pid=$(our_pid); then
    kill -TERM "$pid" 2>/dev/null
    for _ in $(seq 100); do
      gone "$pid" && break
      sleep 0.1
    done
    if ! gone "$pid"; then
      say "cupsd $pid ignored SIGTERM for 10 s; killing it"
      kill -KILL "$pid" 2>/dev/null
      for _ in $(seq 50); do
        gone "$pid" && break
        sleep 0.1
      done
    fi
    if ! gone "$pid"; then
      say "cupsd $pid is still running"
      return 1
    fi
    say "stopped cupsd $pid"
  fi
  rm -f "$pid_file" "$socket"
  return 0
}

write_config() {
  mkdir -p "$state/spool/tmp" "$state/cache" "$state/state" "$state/log" "$state/ppd"
  mkdir -p "$out" "$state/home"
  # The filters run as the unprivileged user lp when the scheduler runs as root.
  chmod 1777 "$out" "$state/spool/tmp"
  cat >"$state/cupsd.conf" <<EOF
Listen $socket
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
  cat >"$state/cups-files.conf" <<EOF
ServerRoot $state
RequestRoot $state/spool
CacheDir $state/cache
StateDir $state/state
TempDir $state/spool/tmp
AccessLog $state/log/access_log
ErrorLog $state/log/error_log
PageLog $state/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FileDevice Yes
EOF
  if [ "$(id -u)" -ne 0 ]; then
    # A scheduler started by an ordinary user runs its filters as that user.
    printf 'User %s\nGroup %s\nSystemGroup %s\n' "$(id -un)" "$(id -gn)" "$(id -gn)" \
      >>"$state/cups-files.conf"
  fi
  # A PostScript-printer description with one filter that takes the print-ready PDF as it
  # is, so the queue writes Qt's own PDF into the out folder.
  cat >"$state/pdf-file.ppd" <<'EOF'
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
}

start() {
  for tool in cupsd lpstat lpadmin; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      say "$tool is missing (scripts/setup.sh installs CUPS); the printing tests will skip"
      return 0
    fi
  done
  # A scheduler left over from an interrupted run goes first.
  stop || return 1
  rm -rf "$state/spool" "$state/cache" "$state/state" "$state/log" "$state/ppd" \
    "$state/printers.conf"* "$out" "$state/home"
  write_config
  if ! cupsd -t -c "$state/cupsd.conf" -s "$state/cups-files.conf" >"$state/cupsd-check.log" 2>&1; then
    say "cupsd refuses the private configuration; the printing tests will skip"
    cat "$state/cupsd-check.log"
    return 0
  fi

  # Detached into its own session and with no handle on the caller's output, so a test
  # runner waiting for this script's output does not wait for cupsd as well. exec keeps
  # the PID that $! reports the scheduler's own.
  (exec setsid cupsd -f -c "$state/cupsd.conf" -s "$state/cups-files.conf" \
    </dev/null >"$state/cupsd.log" 2>&1) &
  echo $! >"$pid_file"
  for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "scheduler is running" && break
    our_pid >/dev/null || break
    sleep 0.1
  done
  if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
    say "the private cupsd did not come up; the printing tests will skip"
    cat "$state/cupsd.log" "$state/log/error_log" 2>/dev/null
    stop
    return 0
  fi
  say "started cupsd $(cat "$pid_file") on $socket"

  # lpadmin warns that printer descriptions are deprecated; for a file queue that is noise.
  if lpadmin -p "$queue" -E -v "file://$out/$queue.pdf" -P "$state/pdf-file.ppd" 2>&1 |
       grep -v "drivers are deprecated" >&2; [ "${PIPESTATUS[0]}" -eq 0 ] &&
     lpadmin -p "$queue" -o printer-error-policy=abort-job; then
    say "queue $queue writes to $out/$queue.pdf"
  else
    say "could not set up the $queue queue; the printing tests will skip"
  fi
  return 0
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *)
    echo "usage: $0 start|stop STATE_DIR" >&2
    exit 2
    ;;
esac
