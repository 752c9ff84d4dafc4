# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The rows of a test of one of the scripts, sourced by it: a row names itself in $row, says
# fail "why" for each thing that went wrong and ends in passed; finish ends the test.

failures=0
row_failures=0
fail() {
  echo "FAIL: $row: $*"
  failures=$((failures + 1))
  row_failures=$((row_failures + 1))
}
# Closes a row: says it passed when nothing in it failed.
passed() {
  [ "$row_failures" -eq 0 ] && echo "ok: $row"
  row_failures=0
}

# refused SCRIPT CALL...: each call (its words in one argument, "" for none) ends in 2.
refused() {
  local script=$1 call status
  shift
  for call in "$@"; do
    row="usage: '$call'"
    # shellcheck disable=SC2086  # the call's words
    bash "$script" $call >/dev/null 2>&1
    status=$?
    [ "$status" -eq 2 ] || fail "exit $status, not 2"
    passed
  done
}

finish() {
  [ "$failures" -eq 0 ] || exit 1
  echo "all passed"
}
