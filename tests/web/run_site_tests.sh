#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the site's browser tests, skipping (77) where the site, Chromium or Selenium is
# missing.
#
#   run_site_tests.sh SITE_DIR NATIVE_PLAYER TESTS_DIR
set -euo pipefail
site=$1
player=$2
tests=$3
if [ ! -f "$site/index.html" ]; then
  echo "no site at $site (bash scripts/web.sh build makes it); not checked"
  exit 77
fi
for tool in chromium chromedriver; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is missing (scripts/setup.sh installs it); not checked"
    exit 77
  fi
done
if ! /usr/bin/python3 -c 'import selenium, pytest' 2>/dev/null; then
  echo "python3-selenium or python3-pytest is missing (scripts/setup.sh installs them); not checked"
  exit 77
fi
export ARCWRIGHT_SITE=$site ARCWRIGHT_PLAY=$player
# Nothing is written beside the tests (no cache, no byte code), and the browser's profiles
# go into the build folder, where this test runs.
export PYTHONDONTWRITEBYTECODE=1
export TMPDIR=$PWD/site-tmp
rm -rf "$TMPDIR"
mkdir -p "$TMPDIR"
exec /usr/bin/python3 -m pytest -q -p no:cacheprovider "$tests/site_test.py"
