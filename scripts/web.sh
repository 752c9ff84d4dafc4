#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser build: the core compiled to WebAssembly with emscripten, into build-web/.
#
#   bash scripts/web.sh          builds the site and serves it on 127.0.0.1 until Ctrl+C
#   bash scripts/web.sh build    builds the module and the site (build-web/site), and reports
#                                the module's size against its budget
#   bash scripts/web.sh bench    builds it and times a keystroke and a plan in node,
#                                beside the native figures
set -euo pipefail
cd "$(dirname "$0")/.."

command=${1:-serve}
out=build-web
module=$out/src/web/arcwright_core
# The .wasm's budget, raw and gzipped.
wasm_budget=$((250 * 1024))
wasm_gzip_budget=$((100 * 1024))

# Debian's emscripten uses its own prebuilt, frozen system libraries and writes nothing
# there; what else it keeps goes under HOME, which points into the build folder.
export HOME=$PWD/$out/home
export TMPDIR=$PWD/$out/tmp
mkdir -p "$out" "$HOME" "$TMPDIR"
# Node from another source than Debian's finds emscripten's JavaScript libraries here.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

build() {
  cmake --preset web >/dev/null
  cmake --build "$out" --target arcwright_core
  local raw gz glue
  raw=$(stat -c %s "$module.wasm")
  gz=$(gzip -9 -c "$module.wasm" | wc -c)
  glue=$(gzip -9 -c "$module.js" | wc -c)
  printf 'web: %s.wasm %d KB (%d KB gzip), its JavaScript %d KB (%d KB gzip)\n' "$module" \
    $((raw / 1024)) $((gz / 1024)) $(($(stat -c %s "$module.js") / 1024)) $((glue / 1024))
  if [ "$raw" -gt "$wasm_budget" ] || [ "$gz" -gt "$wasm_gzip_budget" ]; then
    echo "web: the .wasm is over its budget of 250 KB (100 KB gzip)" >&2
    exit 1
  fi
}

# The static site: the page's files and the module, and a service worker that precaches
# exactly these files under a version named after their contents. Relative addresses only,
# so any static host can serve the folder.
site() {
  local site=$out/site files version list
  rm -rf "$site"
  mkdir -p "$site"
  cp -r web/. "$site/"
  cp "$module.js" "$module.wasm" "$site/"
  files=$(cd "$site" && find . -type f ! -name sw.js | sed 's|^\./||' | LC_ALL=C sort)
  version=$(cd "$site" && printf '%s\n' $files | xargs sha256sum | sha256sum | cut -c1-12)
  list=$(printf "'./'"; for f in $files; do printf ", '%s'" "$f"; done)
  sed -e "s|@VERSION@|$version|" -e "s|@FILES@|$list|" web/sw.js >"$site/sw.js"
  printf 'web: the site is in %s (version %s, %d KB gzip in all)\n' "$site" "$version" \
    $(($(cd "$site" && for f in $files sw.js; do gzip -9 -c "$f"; done | wc -c) / 1024))
}

serve() {
  local port
  port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  echo "web: Arcwright is at http://127.0.0.1:$port/ (Ctrl+C stops it)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$out/site"
}

case "$command" in
  build)
    build
    site
    ;;
  serve)
    build
    site
    serve
    ;;
  bench)
    build
    cmake --preset release >/dev/null
    cmake --build build-release --target web_bench >/dev/null
    build-release/bench/web_bench
    NODE_OPTIONS=--no-experimental-fetch node tests/web/bench.js "$module.js"
    site
    /usr/bin/python3 tests/web/page_bench.py "$out/site"
    ;;
  *)
    echo "usage: bash scripts/web.sh [serve|build|bench]" >&2
    exit 2
    ;;
esac
