#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings up a print service whose default printer is a PDF queue, for the tests that print
# for real, and takes it down again. Installs nothing: scripts/setup.sh does that.
#
#   print-service.sh start STATE_DIR   start cupsd unless one is running, add the queue
#   print-service.sh stop STATE_DIR    stop the cupsd that `start` started, if any
#
# There is no systemd here, so cupsd runs in the foreground mode (-f), detached, and its
# PID is kept in STATE_DIR. A cupsd that was already running is used and left running.
# This never fails the build: where no service can be brought up, the printing tests
# skip and say why.
set -uo pipefail

action=${1:-}
state=${2:-}
if [ -z "$action" ] || [ -z "$state" ]; then
  echo "usage: $0 start|stop STATE_DIR" >&2
  exit 2
fi

queue=PDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
pid_file="$state/cupsd.pid"
export LC_ALL=C

say() { echo "print-service: $*"; }

running() { lpstat -r 2>/dev/null | grep -q "scheduler is running"; }

our_cupsd() {
  [ -f "$pid_file" ] || return 1
  local pid
  pid=$(cat "$pid_file")
  [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = cupsd ]
}

stop() {
  if our_cupsd; then
    local pid
    pid=$(cat "$pid_file")
    kill "$pid"
    for _ in $(seq 50); do
      [ -d "/proc/$pid" ] || break
      sleep 0.1
    done
    say "stopped cupsd $pid"
  fi
  rm -f "$pid_file"
}

start() {
  mkdir -p "$state"
  for tool in cupsd lpstat lpadmin lpoptions; do
    if ! command -v "$tool" >/dev/null 2>&1 && [ ! -x "/usr/sbin/$tool" ]; then
      say "$tool is missing (scripts/setup.sh installs CUPS); the printing tests will skip"
      return 0
    fi
  done
  PATH="$PATH:/usr/sbin"

  if running; then
    our_cupsd || rm -f "$pid_file"
    say "using the print service that is already running"
  else
    if [ "$(id -u)" -ne 0 ]; then
      say "starting cupsd needs root; the printing tests will skip"
      return 0
    fi
    mkdir -p /run/cups
    # Detached, with no handle on the caller's output, so a test runner waiting for this
    # script's output does not wait for cupsd as well.
    setsid cupsd -f </dev/null >"$state/cupsd.log" 2>&1 &
    echo $! >"$pid_file"
    for _ in $(seq 100); do
      running && break
      sleep 0.1
    done
    if ! running; then
      say "cupsd did not come up; the printing tests will skip"
      cat "$state/cupsd.log"
      stop
      return 0
    fi
    say "started cupsd $(cat "$pid_file")"
  fi

  if [ ! -f "$ppd" ]; then
    say "$ppd is missing (printer-driver-cups-pdf); the printing tests will skip"
    return 0
  fi
  # The queue's default PDF-to-PostScript step garbles the text of a Qt-printed page;
  # pdftocairo keeps it readable.
  if lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null &&
     lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo &&
     lpadmin -d "$queue" && lpoptions -d "$queue" >/dev/null; then
    say "default printer: $queue (cups-pdf)"
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
