#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the pictures of the user guide from the real program and puts them in docs/images/:
# the window as it opens, the window with the start-up set-up, the printed set-up sheet
# of that set-up (printed through the Print button to a PDF file, then rendered), and the
# cove planner with the worked example of the user guide, and that cove's set-up template
# (printed through Print Template to a PDF file, then rendered at 72 dpi, true to scale).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default
cmake --build --preset default --target arcwright_screenshots

images="$PWD/docs/images"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$images"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$work/runtime}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

QT_QPA_PLATFORM=offscreen ./build/src/app/arcwright_screenshots "$images" "$work/sheet.pdf" \
  "$work/template.pdf"

# The sheet's drawing and text fill the top of the page: render it at screen resolution and
# keep the part with something on it, with a white margin.
pdftoppm -png -r 96 -singlefile "$work/sheet.pdf" "$work/sheet"
convert "$work/sheet.png" -trim +repage -bordercolor white -border 24 \
  -strip -define png:compression-level=9 "$images/arcwright-sheet.png"

# The template fills its page: the whole letter page, one pixel a point.
pdftoppm -png -r 72 -singlefile "$work/template.pdf" "$work/template"
convert "$work/template.png" -strip -define png:compression-level=9 \
  "$images/arcwright-template.png"

for f in "$images"/arcwright-*.png; do
  printf '%s  %s bytes  %s\n' "$(basename "$f")" "$(stat -c %s "$f")" \
    "$(identify -format '%wx%h' "$f")"
done
