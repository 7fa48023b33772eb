#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb, unpacks it into a scratch root, checks what it installs and
# that the installed program starts and keeps running on the offscreen platform.
set -euo pipefail
build_dir=$1
app=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --build "$build_dir" --target package >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls -t "$build_dir"/cuneola_*.deb | head -n 1)
echo "package: $deb"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# libqt6charts6 draws the Explore window; libqt6svg6 writes its figures as SVG.
for needed in libqt6widgets6 libqt6charts6 libqt6svg6 libc6 qt6-qpa-plugins; do
  [[ "$depends" == *"$needed"* ]] || { echo "missing dependency on $needed"; exit 1; }
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
for f in usr/bin/cuneola usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$app.svg usr/share/icons/hicolor/256x256/apps/$app.png \
         usr/share/doc/cuneola/copyright usr/share/doc/cuneola/LICENSE; do
  [[ -e "$root/$f" ]] || { echo "not installed: $f"; exit 1; }
done
grep -q "^License: GPL-3+" "$root/usr/share/doc/cuneola/copyright" || { echo "copyright file without GPL-3+"; exit 1; }
# Both files name the application by its id inside as well.
grep -qx "Icon=$app" "$root/usr/share/applications/$app.desktop" || { echo "desktop entry without Icon=$app"; exit 1; }
grep -q "<id>$app</id>" "$root/usr/share/metainfo/$app.metainfo.xml" || { echo "metainfo without <id>$app</id>"; exit 1; }

QT_QPA_PLATFORM=offscreen "$root/usr/bin/cuneola" >"$scratch/run.log" 2>&1 &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
  echo "the installed program exited early:"; cat "$scratch/run.log"; exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "installed program ran for 3 s"
