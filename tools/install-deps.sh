#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tolvane need; does nothing
# when they are all there already.
set -euo pipefail

packages=(
  cmake g++ make pkg-config python3
  libgtest-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev
  binutils-mingw-w64-x86-64
  g++-mingw-w64-x86-64-posix googletest wine wine64 locales
  xvfb xauth
  fonts-noto-cjk fonts-dejavu-core
)
# Only for taking screenshots (tools/screenshots.sh); pass --screenshots to install them too.
if [[ "${1:-}" == "--screenshots" ]]; then
  packages+=(xdotool x11-utils imagemagick openbox)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
