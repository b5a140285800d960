#!/usr/bin/env bash
# Installs, from Debian's archive only, whatever Velmoor needs to build, run, test and
# take screenshots that this machine does not have yet. Safe to run again: it installs
# nothing when everything is present.
set -euo pipefail

packages=(
  # build
  g++ cmake ninja-build make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  # the windows ask for Verdana; DejaVu Sans is the metric-close face we map it to
  fonts-dejavu-core fontconfig
  # tests: a virtual X server, a window manager, input and screen tools, a stand-in site
  xvfb xauth openbox xdotool x11-utils imagemagick python3 dbus libfaketime
  python3-pyatspi at-spi2-core gir1.2-atspi-2.0
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  [[ $status == ii* ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=()
if ((EUID != 0)); then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# A fresh machine may have no package lists yet; refresh them when an install fails.
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" ||
  { "${sudo[@]}" apt-get update -q && "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; }
