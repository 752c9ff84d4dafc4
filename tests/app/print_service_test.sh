#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The private print service of scripts/print-service.sh, without the window: for the user
# running the tests, and when that is root also for an ordinary user (nobody), it starts,
# takes three jobs, keeps each as its own PDF in job order with the latest in out/PDF.pdf,
# and on stop leaves no scheduler, no folder and no link behind. As root its state sits in
# a folder of mode 700, as a checkout in /root does: the filters, which run as lp, must not
# need to reach it. Then the backend alone, with good and broken addresses, and the calls
# the script refuses.
#
#   print_service_test.sh SCRIPTS_DIR WORK_DIR
set -uo pipefail
scripts=$1
work=$2
export LC_ALL=C
PATH="$PATH:/usr/sbin:/sbin"
for tool in cupsd lp lpstat pdftotext; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is missing (scripts/setup.sh installs it); not checked"
    exit 77
  fi
done
# shellcheck source=../../scripts/print-schedulers.sh
. "$scripts/print-schedulers.sh"

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
outside='' # a folder under /tmp for the ordinary user, who cannot reach the build folder
started=() # "user|script|STATE" of every service started here, stopped on the way out
cleanup() {
  local entry state service
  for entry in ${started[@]+"${started[@]}"}; do
    IFS='|' read -r user service state <<<"$entry"
    as_user bash "$service" stop "$state" >/dev/null 2>&1
  done
  [ -n "$outside" ] && rm -rf "$outside"
  rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=script_rows.sh
source "$(dirname "${BASH_SOURCE[0]}")/script_rows.sh"

# One page saying $2, written by hand: Helvetica needs no font file, and pdftotext reads the
# text back.
make_pdf() {
  local file=$1 text=$2 body i
  local stream="BT /F1 24 Tf 72 700 Td ($text) Tj ET"
  local objects=(
    "<< /Type /Catalog /Pages 2 0 R >>"
    "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"
    "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> >> >>"
    "<< /Length ${#stream} >>"$'\n'"stream"$'\n'"$stream"$'\n'"endstream"
    "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>")
  local offsets=()
  body=$'%PDF-1.4\n'
  for i in "${!objects[@]}"; do
    offsets+=("${#body}")
    body+="$((i + 1)) 0 obj"$'\n'"${objects[i]}"$'\n'"endobj"$'\n'
  done
  local xref=${#body}
  body+="xref"$'\n'"0 $((${#objects[@]} + 1))"$'\n'"0000000000 65535 f "$'\n'
  for i in "${offsets[@]}"; do body+=$(printf '%010d 00000 n ' "$i")$'\n'; done
  body+="trailer"$'\n'"<< /Size $((${#objects[@]} + 1)) /Root 1 0 R >>"$'\n'
  body+="startxref"$'\n'"$xref"$'\n'"%%EOF"$'\n'
  printf '%s' "$body" >"$file"
}

text_of() { pdftotext "$1" - 2>/dev/null | tr -s ' \n\f' ' ' | sed 's/^ //; s/ $//'; }

# Runs "$@" as the user the row is about.
user=''
as_user() {
  if [ "$user" = "$(id -un)" ]; then
    "$@"
  else
    setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups \
      env -i PATH="$PATH" LC_ALL=C HOME="$outside" "$@"
  fi
}

# The users to try: whoever runs the tests, and nobody as well when that is root.
users=("$(id -un)")
if [ "$(id -u)" -eq 0 ]; then
  if id nobody >/dev/null 2>&1 && command -v setpriv >/dev/null 2>&1; then
    users+=(nobody)
  else
    echo "no user nobody or no setpriv: the service is tried as root only"
  fi
fi

for user in "${users[@]}"; do
  row="started by $user"
  if [ "$user" = "$(id -un)" ]; then
    base=$work/$user
    mkdir -p "$base"
    # As root, a state folder as closed as /root: only root may pass.
    if [ "$(id -u)" -eq 0 ]; then
      mkdir -m 700 "$base/closed"
      base=$base/closed
    fi
    service=$scripts/print-service.sh
  else
    # An ordinary user cannot reach the build folder: the scripts and its state go to a
    # folder of its own under /tmp.
    outside=$(mktemp -d /tmp/arcwright-print-test.XXXXXX)
    cp "$scripts/print-service.sh" "$scripts/print-service-backend.sh" \
      "$scripts/print-schedulers.sh" "$outside/"
    chmod 755 "$outside"
    chmod 644 "$outside"/*.sh
    chown "$user:$(id -g "$user")" "$outside"
    base=$outside
    service=$outside/print-service.sh
  fi
  state=$base/state
  for n in 1 2 3; do make_pdf "$base/sheet-$n.pdf" "Cove sheet $n for $user"; done
  chmod 644 "$base"/sheet-*.pdf

  started+=("$user|$service|$state")
  said=$(cd "$base" && as_user bash "$service" start "$state" 2>&1)
  echo "$said"
  export CUPS_SERVER=$state/cups.sock
  if ! as_user env CUPS_SERVER="$CUPS_SERVER" lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
    fail "the service did not start: $said"
    continue
  fi

  # Where it lives: a folder of its own under /tmp that the print system's helpers can read.
  folder=$(readlink "$state")
  case "$folder" in /tmp/arcwright-print.*) ;; *) fail "STATE links to '$folder', not a folder under /tmp" ;; esac
  [ "$(stat -c %a "$folder")" = 755 ] || fail "its folder has mode $(stat -c %a "$folder")"
  [ "$(stat -c %a "$folder/out")" = 1777 ] || fail "out has mode $(stat -c %a "$folder/out")"
  [ "$(stat -c %U "$folder")" = "$user" ] || fail "its folder belongs to $(stat -c %U "$folder")"
  device=$(as_user env CUPS_SERVER="$CUPS_SERVER" lpstat -v PDF 2>&1)
  grep -qF "$state/out/PDF.pdf" <<<"$device" || fail "the queue does not write to $state/out: $device"
  scheduler_user=$(ps -o user= -p "$(print_schedulers | awk -F'\t' -v c="$state/cupsd.conf" '$2 == c { print $1 }')")
  [ "$scheduler_user" = "$user" ] || fail "the scheduler runs as '$scheduler_user'"

  # Three jobs, each kept as its own file in job order, the last one also as PDF.pdf.
  ids=()
  for n in 1 2 3; do
    reply=$(as_user env CUPS_SERVER="$CUPS_SERVER" lp -d PDF "$base/sheet-$n.pdf" 2>&1)
    id=$(sed -n 's/^request id is PDF-\([0-9]*\) .*/\1/p' <<<"$reply")
    [ -n "$id" ] || fail "lp: $reply"
    ids+=("$(printf '%06d' "${id:-0}")")
  done
  for _ in $(seq 300); do
    [ "$(find "$state/out/jobs/" -name '*.pdf' | wc -l)" -ge 3 ] && break
    sleep 0.1
  done
  kept=$(cd "$state/out/jobs" && ls)
  expected=$(printf '%s.pdf\n' "${ids[@]}")
  if [ "$kept" != "$expected" ]; then
    fail "jobs kept: [$(tr '\n' ' ' <<<"$kept")], not [$(tr '\n' ' ' <<<"$expected")];" \
      "error log: $(cat "$folder/log/error_log" 2>/dev/null)"
  else
    for n in 1 2 3; do
      got=$(text_of "$state/out/jobs/${ids[n - 1]}.pdf")
      [ "$got" = "Cove sheet $n for $user" ] || fail "job $n reads '$got'"
    done
    got=$(text_of "$state/out/PDF.pdf")
    [ "$got" = "Cove sheet 3 for $user" ] || fail "PDF.pdf reads '$got', not the latest job"
  fi

  # Stopped, nothing of it is left.
  stopped=$(as_user bash "$service" stop "$state" 2>&1)
  status=$?
  [ "$status" -eq 0 ] || fail "stop ended $status: $stopped"
  print_schedulers | grep -qF "$state/cupsd.conf" && fail "a scheduler still reads $state"
  if [ -e "$state" ] || [ -L "$state" ]; then fail "$state is still there"; fi
  [ ! -e "$folder" ] || fail "$folder is still there"
  for f in /tmp/arcwright-print.*; do
    [ "$(cat "$f/owner" 2>/dev/null)" = "$state" ] && fail "$f still names $state"
  done
  passed
done
unset CUPS_SERVER

# The backend on its own: the address names the file for the latest job, every job also
# goes to jobs/ by number; a broken address or job number writes nothing.
backend=$scripts/print-service-backend.sh
out=$work/backend
make_pdf "$work/page.pdf" "Backend page"
# name | DEVICE_URI | job number | exit | files written
backend_rows=(
  "address with one slash|arcwright-pdf:$out/PDF.pdf|7|0|PDF.pdf jobs/000007.pdf"
  "address with three slashes|arcwright-pdf://$out/PDF.pdf|12|0|PDF.pdf jobs/000012.pdf"
  "another scheme|file://$out/PDF.pdf|7|1|"
  "address naming a folder|arcwright-pdf:$out/|7|1|"
  "relative address|arcwright-pdf:out/PDF.pdf|7|1|"
  "no address|||1|"
  "job number not a number|arcwright-pdf:$out/PDF.pdf|7a|1|"
)
for entry in "${backend_rows[@]}"; do
  IFS='|' read -r row uri job want files <<<"$entry"
  row="backend, $row"
  rm -rf "$out"
  mkdir -p "$out"
  (cd "$work" && DEVICE_URI=$uri sh "$backend" "$job" tester "sheet" 1 "" "$work/page.pdf") >/dev/null 2>&1
  status=$?
  [ "$status" -eq "$want" ] || fail "exit $status, not $want"
  written=$(cd "$out" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ' | sed 's/ $//')
  [ "$written" = "$files" ] || fail "wrote [$written], not [$files]"
  for f in $files; do
    [ "$(text_of "$out/$f")" = "Backend page" ] || fail "$f does not hold the page"
  done
  passed
done
row="backend reads the job from its input"
rm -rf "$out" && mkdir -p "$out"
DEVICE_URI=arcwright-pdf:$out/PDF.pdf sh "$backend" 3 tester sheet 1 "" <"$work/page.pdf" >/dev/null 2>&1 ||
  fail "exit $?"
[ "$(text_of "$out/jobs/000003.pdf")" = "Backend page" ] || fail "jobs/000003.pdf does not hold the page"
passed
# name | what the filters handed on
input_rows=("nothing, a filter failed|empty" "a page of text|text")
for entry in "${input_rows[@]}"; do
  IFS='|' read -r row input <<<"$entry"
  row="backend given $row"
  rm -rf "$out" && mkdir -p "$out"
  case "$input" in
    empty) : >"$work/input" ;;
    text) echo "Cove sheet" >"$work/input" ;;
  esac
  DEVICE_URI=arcwright-pdf:$out/PDF.pdf sh "$backend" 4 tester sheet 1 "" "$work/input" \
    >/dev/null 2>&1 && fail "exit 0"
  [ -z "$(find "$out" -type f)" ] || fail "wrote $(cd "$out" && find . -type f)"
  passed
done
row="backend asked for its devices"
listed=$(sh "$backend")
[ "$listed" = 'direct arcwright-pdf "Unknown" "Arcwright PDF files"' ] || fail "lists '$listed'"
passed

# What the script refuses: a STATE that is a folder of something else is left as it is, and
# no scheduler starts for it; calls without an action or a STATE.
row="STATE is someone else's folder"
mkdir -p "$work/theirs"
echo keep >"$work/theirs/notes.txt"
said=$(bash "$scripts/print-service.sh" start "$work/theirs" 2>&1)
[ "$(cat "$work/theirs/notes.txt" 2>/dev/null)" = keep ] || fail "their file is gone"
[ ! -L "$work/theirs" ] || fail "their folder became a link"
print_schedulers | grep -qF "$work/theirs/cupsd.conf" && fail "a scheduler started for it"
grep -q "did not make; leaving it alone" <<<"$said" || fail "says: $said"
passed
row="stop of a service never started"
bash "$scripts/print-service.sh" stop "$work/never" >/dev/null 2>&1 || fail "exit $?"
[ ! -e "$work/never" ] || fail "it made $work/never"
passed
refused "$scripts/print-service.sh" "" "start" "restart $work/state"

finish
