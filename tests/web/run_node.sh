#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a node script over the WebAssembly module, skipping (77) where there is no module or
# no node.
#
#   run_node.sh MODULE.js SCRIPT.js ARGS...          (parity.js: the table is written first
#                                                     by the program given last)
set -euo pipefail
module=$1
script=$2
shift 2
if ! command -v node >/dev/null 2>&1; then
  echo "node is missing (scripts/setup.sh installs it); not checked"
  exit 77
fi
if [ ! -f "$module" ]; then
  echo "no WebAssembly module at $module (bash scripts/web.sh build makes it); not checked"
  exit 77
fi
if [ "$(basename "$script")" = parity.js ]; then
  table=$2
  writer=$3
  "$writer" "$table"
  set -- "$1" "$2"
fi
# Node 18 and later would fetch the .wasm instead of reading it.
NODE_OPTIONS=--no-experimental-fetch exec node "$script" "$@"
