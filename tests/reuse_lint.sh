#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every file git tracks names its copyright holder and licence. The files are
# copied out first, so build folders and other untracked files in the source tree, wherever
# they are, are not taken for part of it.
#
#   reuse_lint.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source_dir=$1
work=$2
if ! command -v reuse >/dev/null 2>&1; then
  echo "reuse is missing (apt-get install reuse); not checked"
  exit 77
fi
if ! git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "$source_dir is not a git checkout, so which files belong to it is unknown; not checked"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"
# A file deleted but not yet committed is only warned about.
git -C "$source_dir" ls-files -z |
  tar -C "$source_dir" --null --files-from=- --ignore-failed-read -cf - 2>/dev/null |
  tar -C "$work" -xf -
reuse --root "$work" lint
