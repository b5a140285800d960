#!/usr/bin/env bash
# Installs, from Debian's archive only, whatever Velmoor needs that this machine does not
# have yet. Safe to run again: it installs nothing when everything is present.
#
#   install-deps.sh [GROUP...]   groups: linux (the default), bench, windows-build, windows,
#                                desktops, fuzz
set -euo pipefail

linux=(
  # build
  g++ cmake ninja-build make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  # the texts in other languages: Qt's translation tools, and Qt's own texts translated
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  pkg-config libxcb1-dev
  # the icon is drawn once as SVG; its PNG sizes are rendered when building
  librsvg2-bin
  # the windows ask for Verdana; DejaVu Sans is the metric-close face we map it to (it has
  # Arabic too); Japanese and Chinese from WenQuanYi Micro Hei
  fonts-dejavu-core fonts-wqy-microhei fontconfig
  # tests: a virtual X server, a window manager, input and screen tools, a stand-in site
  xvfb xauth openbox xdotool x11-utils xclip imagemagick python3 dbus libfaketime
  python3-pyatspi at-spi2-core gir1.2-atspi-2.0
  # static checks
  clang-format clang-tidy flake8
  # install and package checks (locales: the terminal's character set, Latin-1 among them)
  dpkg-dev desktop-file-utils appstream lintian file qt6-wayland locales
)
# Benchmarks: X from Python, the programs Velmoor is measured against, instructions counted
bench=(
  "${linux[@]}" python3-xlib zenity libx11-dev valgrind
)
# Cross-building Qt and Velmoor for Windows
windows_build=(
  g++ cmake ninja-build make dpkg-dev qt6-base-dev qt6-base-dev-tools librsvg2-bin
  mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)
# Packaging and testing the Windows build under Wine
windows=(
  "${windows_build[@]}" wine wine64 nsis icoutils fonts-wine zip unzip python3-pefile
  # a release's signatures: Authenticode on the executables, OpenPGP on the checksums (the
  # tests make throw-away keys with openssl and gpg)
  osslsigncode gnupg openssl
  # Japanese and Chinese for the Windows program and its installer under Wine, which takes
  # faces from the host: one with Latin letters too, for the dialogs' mixed texts
  fonts-wqy-microhei
  xvfb xauth openbox xdotool x11-utils xclip imagemagick python3
)

# The Wayland desktop the end-to-end tests also run on: GNOME Shell, headless, with
# Xwayland, and a native Wayland program to click on.
desktops=(
  "${linux[@]}" gnome-shell xwayland zenity
)

# Fuzzing: clang with libFuzzer (and its sanitizers)
fuzz=(
  "${linux[@]}" clang libfuzzer-14-dev
)

groups=("$@")
((${#groups[@]})) || groups=(linux)
packages=()
for g in "${groups[@]}"; do
  case $g in
    linux) packages+=("${linux[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    windows-build) packages+=("${windows_build[@]}") ;;
    windows) packages+=("${windows[@]}") ;;
    desktops) packages+=("${desktops[@]}") ;;
    fuzz) packages+=("${fuzz[@]}") ;;
    *) echo "install-deps: unknown group '$g' (linux, bench, windows-build, windows, desktops, fuzz)" >&2; exit 2 ;;
  esac
done

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
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
# Another package manager (a desktop's automatic updates, a second terminal) may hold the
# package locks for a while: wait for it, up to five minutes, saying so. apt-get waits for
# dpkg's lock by itself when told to, but not for its package lists' lock.
apt_get() {
  local err waited=0
  err=$(mktemp)
  until "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 "$@" 2>"$err"; do
    if ! grep -q 'Could not get lock' "$err" || ((waited >= 300)); then
      cat "$err" >&2
      rm -f "$err"
      return 1
    fi
    ((waited)) || echo "install-deps: another package manager is running; waiting for it (up to 5 minutes)" >&2
    sleep 5
    waited=$((waited + 5))
  done
  cat "$err" >&2
  rm -f "$err"
}
# A fresh machine may have no package lists yet; refresh them when an install fails.
apt_get install -y -q --no-install-recommends "${missing[@]}" ||
  { apt_get update -q && apt_get install -y -q --no-install-recommends "${missing[@]}"; }
