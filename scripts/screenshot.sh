#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/screenshot.png from the real window under Xvfb, after a Calculate of the
# Falkner-Skan equation, and docs/explore.png, docs/explore-shooting.png,
# docs/explore-approximations.png and docs/explore-wedge.png (the flat-plate homework)
# from the Explore window after it. The other pictures (at start, after the energy
# Calculate, the About window, the other Explore tabs, a porous heated wall) are left in
# the directory it prints, for checking by eye.
# Usage: scripts/screenshot.sh [BUILD_DIR]   (default: build)
# On another screen, such as a classroom's, the pictures stay in that directory and docs/
# is left alone: SCREEN=1280x720 scripts/screenshot.sh, or
# SCREEN=1920x1080 QT_SCALE_FACTOR=2 scripts/screenshot.sh for a projector at scale 2.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}

if ! command -v xvfb-run >/dev/null; then
  echo "xvfb-run is missing: run scripts/install-deps.sh first" >&2
  exit 1
fi
[[ -f "$build_dir/CMakeCache.txt" ]] || cmake -S . -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target cuneola_screenshot -j "$(nproc 2>/dev/null || echo 2)"

out=$(mktemp -d "${TMPDIR:-/tmp}/cuneola-screenshots.XXXXXX")
# 96 dots per inch, so that the design's 15 twips make one pixel.
xvfb-run -a -s "-screen 0 ${SCREEN:-1280x800}x24 -dpi 96" "$build_dir/tools/cuneola_screenshot" "$out"
if [[ -n "${SCREEN:-}${QT_SCALE_FACTOR:-}" ]]; then
  echo "pictures on a ${SCREEN:-1280x800} screen${QT_SCALE_FACTOR:+ at scale $QT_SCALE_FACTOR} are in $out"
  exit 0
fi

mkdir -p docs
cp "$out/calculate-momentum.png" docs/screenshot.png
cp "$out/explore-solution.png" docs/explore.png
cp "$out/explore-shooting.png" docs/explore-shooting.png
cp "$out/explore-approximations.png" docs/explore-approximations.png
cp "$out/explore-wedge.png" docs/explore-wedge.png
echo "docs/screenshot.png, docs/explore.png, docs/explore-shooting.png, docs/explore-approximations.png" \
  "and docs/explore-wedge.png written; all pictures are in $out"
