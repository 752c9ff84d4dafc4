#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the PNG sizes of the application icon from its one source, data/icons/arcwright.svg,
# into data/icons/png/. The PNGs are checked in, so building never needs this: run it after
# changing the SVG, look at the results and commit them.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v rsvg-convert >/dev/null 2>&1; then
  echo "render-icons: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2
  exit 1
fi

svg=data/icons/arcwright.svg
out=data/icons/png
mkdir -p "$out"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --format png --output "$out/arcwright-$size.png" "$svg"
  echo "render-icons: $out/arcwright-$size.png"
done
