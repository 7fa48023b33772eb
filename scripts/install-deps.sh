#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages Cuneola needs to build, test and run; does nothing
# when they are all present. Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  libboost-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-charts-dev libqt6opengl6-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  fonts-liberation fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev file
)
# Extra sets, named on the command line: "fuzz" for the libFuzzer targets,
# "screenshot" for the README picture.
for extra in "$@"; do
  case "$extra" in
    fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    screenshot) packages+=(imagemagick x11-apps) ;;
    *) echo "unknown package set: $extra" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
