#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Cuneola needs to build, test and run, and generates
# the German locale the number-reading test runs under; does nothing when all is
# present. Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  libboost-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth locales
  fonts-liberation fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev file
)
# Extra sets, named on the command line: "fuzz" for the libFuzzer targets, "clang"
# for the Clang build, "format" for clang-format, "screenshot" for the README picture.
for extra in "$@"; do
  case "$extra" in
    fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    clang) packages+=(clang-14) ;;
    format) packages+=(clang-format-14) ;;
    screenshot) packages+=(imagemagick x11-apps) ;;
    *) echo "unknown package set: $extra" >&2; exit 2 ;;
  esac
done

# Runs a command as root: directly when root already, otherwise through sudo.
as_root() {
  if [[ $(id -u) -eq 0 ]]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "Setting up needs root: run scripts/install-deps.sh${args:+ $args} once as root, then make again." >&2
    exit 1
  fi
}
args="$*"

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  # sudo clears the environment, so the setting goes through env.
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Debian ships the locale data but compiles only the locales enabled in /etc/locale.gen.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Generating the de_DE.UTF-8 locale"
  if grep -q '^# *de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    as_root sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >/dev/null
fi
