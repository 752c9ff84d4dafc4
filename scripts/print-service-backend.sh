#!/bin/sh
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The one backend of the private print service (scripts/print-service.sh copies it into the
# service's own program folder). Its device address names the file the latest job goes to,
#
#   arcwright-pdf:/some/folder/PDF.pdf
#
# and every job is kept as well, one file per job in /some/folder/jobs/, named by its job
# number (000001.pdf, 000002.pdf, ...) so that they sort in the order they were printed: a
# test that prints many sheets reads back each one. Both files appear whole (written aside,
# then renamed), so whoever waits for them never reads half a page.
#
# The scheduler runs it with its own rights (mode 0700): as root that is root, which can
# reach a build folder in a home folder of mode 700 through the address's path.
set -u

if [ $# -eq 0 ]; then
  # Asked which devices it serves: none to discover.
  echo 'direct arcwright-pdf "Unknown" "Arcwright PDF files"'
  exit 0
fi
if [ $# -lt 5 ] || [ $# -gt 6 ]; then
  echo "Usage: arcwright-pdf job-id user title copies options [file]" >&2
  exit 1
fi

job=$1
uri=${DEVICE_URI:-}
latest=${uri#arcwright-pdf:}
# arcwright-pdf:///x and arcwright-pdf:/x name the same file.
while [ "${latest#//}" != "$latest" ]; do latest=${latest#/}; done
case "$job" in
  '' | *[!0-9]*)
    echo "ERROR: job number '$job' is not a number" >&2
    exit 1
    ;;
esac
case "$latest" in
  "$uri" | */ | [!/]*)
    echo "ERROR: DEVICE_URI '$uri' names no file (arcwright-pdf:/folder/name.pdf)" >&2
    exit 1
    ;;
esac

folder=$(dirname "$latest")
jobs=$folder/jobs
name=$(printf '%06d.pdf' "$job")
aside=$jobs/.$name.part
umask 022
if ! mkdir -p "$jobs"; then
  echo "ERROR: cannot make $jobs" >&2
  exit 1
fi
if [ $# -eq 6 ]; then
  cat -- "$6" >"$aside"
else
  cat >"$aside"
fi || {
  echo "ERROR: cannot write $aside" >&2
  rm -f "$aside"
  exit 1
}
# A filter that failed may leave nothing, or not a PDF: that is no page to keep.
if [ "$(head -c 5 "$aside")" != "%PDF-" ]; then
  echo "ERROR: job $job is not a PDF ($(wc -c <"$aside") bytes); nothing written" >&2
  rm -f "$aside"
  exit 1
fi
# The latest first: once a job is in jobs/, the latest file already holds it.
if ! cp "$aside" "$folder/.latest.part" || ! mv -f "$folder/.latest.part" "$latest" ||
  ! mv -f "$aside" "$jobs/$name"; then
  echo "ERROR: cannot write $latest and $jobs/$name" >&2
  rm -f "$aside" "$folder/.latest.part"
  exit 1
fi
echo "INFO: job $job written to $latest and $jobs/$name" >&2
exit 0
