#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Arcwright and runs every test: the plain build, an
# optimised build with a Debian package build's flags and its core tests, the fuzz targets,
# then the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer (last,
# so the run ends on the test summary).
#
#   bash scripts/test.sh                            everything
#   ARCWRIGHT_TEST_SUITE=plain bash scripts/test.sh the plain build and its tests only
#   ARCWRIGHT_TEST_SUITE=extra bash scripts/test.sh the other builds and their tests
set -euo pipefail
cd "$(dirname "$0")/.."

suite=${ARCWRIGHT_TEST_SUITE:-all}
case "$suite" in
  all | plain | extra) ;;
  *)
    echo "ARCWRIGHT_TEST_SUITE is '$suite'; it takes all (the default), plain or extra" >&2
    exit 2
    ;;
esac

bash scripts/setup.sh
# Qt wants a private runtime folder; one made here goes again when the run ends.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"

if [ "$suite" != extra ]; then
  cmake --preset default
  cmake --build --preset default
  # The core as WebAssembly, which the plain suite compares with this build.
  bash scripts/web.sh build
  ctest --preset default
fi
if [ "$suite" = plain ]; then
  exit 0
fi

# As a distribution builds it: RelWithDebInfo, hardening flags, the program and the core
# library tests (the window's tests run in the plain and the sanitized suites).
cmake --preset distro
cmake --build --preset distro
ctest --preset distro

# The number text, fraction and recomputation fuzz targets, about 30 s each, built with
# clang under the sanitizers; a crash or a broken property fails the run.
bash scripts/fuzz.sh

cmake --preset asan
cmake --build --preset asan
ctest --preset asan
