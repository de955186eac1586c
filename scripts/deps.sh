#!/usr/bin/env bash
# Installs the Debian packages Trellis needs, when any is missing. Run as root (or with sudo).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config python3
  clang-14 libclang-rt-14-dev
  g++-mingw-w64-x86-64
  libfreetype-dev libfontconfig-dev libpng-dev libsdl2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-wqy-microhei
  xvfb dbus xdotool imagemagick libx11-dev libxtst-dev
  fcitx5 fcitx5-chinese-addons
  libatk1.0-dev libatk-bridge2.0-dev at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  doxygen
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
