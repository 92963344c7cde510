#!/usr/bin/env bash
# Installs the Debian packages Zephyra needs to build, run and test.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
PKGS=(cmake g++ make pkgconf libgtest-dev libgmock-dev fontconfig
  qt6-base-dev qt6-svg-dev fonts-nanum fonts-nanum-extra
  xvfb xauth xdotool poppler-utils cups printer-driver-cups-pdf)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"
fi
