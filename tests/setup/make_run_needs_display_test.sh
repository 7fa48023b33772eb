#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display, `make run` stops at once with one line that says what it needs,
# before installing or building anything.
set -uo pipefail
source_dir=$1
make=${2:-make}
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
  "$make" -C "$source_dir" --no-print-directory run BUILD_DIR=/nonexistent/cuneola-build 2>&1)
status=$?
echo "$output"
[[ $status -ne 0 ]] || { echo "make run succeeded without a display"; exit 1; }
[[ $(wc -l <<<"$output") -eq 1 ]] || { echo "expected one line"; exit 1; }
[[ "$output" == *"needs a graphical session"*"make test"* ]] || { echo "the line does not say what is needed"; exit 1; }
