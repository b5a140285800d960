#!/usr/bin/env bash
# The Windows build's tests, under Wine: the unit tests through ctest, then the packaged
# program and the installer on a virtual X server (tests/windows/test_windows.py).
#   test-windows.sh [--screenshots]
set -euo pipefail
cd "$(dirname "$0")/.."
# A step that fails says which, with what the quiet ones printed, and the room left on disk
# (a new prefix takes some 700 MB).
log=build/windows/wine-setup.log
: >"$log"
trap 'echo "test-windows.sh: line $LINENO failed (status $?): $BASH_COMMAND" >&2
      tail -n 40 "$log" >&2; df -h . >&2' ERR
# On a display of its own: the desktop that Wine's first program starts keeps that program's
# display for good, and the text-fit test draws real windows. Xvfb takes a free number and
# says which, as in the end-to-end tests.
exec {xvfb}< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>>"$log")
xvfb_pid=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb_pid 2>/dev/null || true' EXIT
read -r -t 30 -u "$xvfb" number || { echo "test-windows.sh: Xvfb did not start" >&2; tail -n 20 "$log" >&2; exit 1; }
export DISPLAY=:$number
# Nothing outside the build folder: the prefix's home (whose Desktop and Documents Wine links
# into $HOME) is the build's own, and Wine's menu builder, which would turn the installer's
# shortcuts into the desktop's menu entries, is off. Checked at the end, where Wine writes.
real_home=$HOME
export VELMOOR_CACHE=${VELMOOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmoor} # the Windows Qt, built once
stamp=build/windows/home-stamp
touch "$stamp"
export HOME=$PWD/build/windows/home XDG_CONFIG_HOME=$PWD/build/windows/home/.config \
  XDG_DATA_HOME=$PWD/build/windows/home/.local/share XDG_CACHE_HOME=$PWD/build/windows/home/.cache
mkdir -p "$HOME"
export WINEPREFIX=$PWD/build/windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Windows' own interface font is not in a Wine prefix, and Wine's stand-in for it has no
# Latin script as Qt reads it, so Qt would fall back to a serif face: name a sans face
# that is there, as a Windows machine's settings name Segoe UI.
# A LOGFONTW: height -11, normal weight, then the face name in UTF-16, 32 characters. The
# installer's tests make prefixes of their own, and give them the same (VELMOOR_WINE_UI_FONT).
face=$(python3 -c "print((bytes.fromhex('F5FFFFFF000000000000000000000000900100000000000000000022')
                          + 'DejaVu Sans'.encode('utf-16-le').ljust(64, bytes(1))).hex())")
export VELMOOR_WINE_UI_FONT=$face
# The build's own prefix, made once, with that font; its server stays up for the whole run.
prepare_prefix() {
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    wineboot --init && wineserver -w || return
  fi
  wineserver -p || true # already up
  # A program that crashes ends with a status rather than waiting behind Wine's crash dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f || return
  local metric
  for metric in MenuFont MessageFont StatusFont IconFont SmCaptionFont; do
    wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v $metric /t REG_BINARY /d "$face" /f || return
  done
}
# A prefix that Wine could not make or change is made again from scratch, once.
if ! prepare_prefix >>"$log" 2>&1; then
  echo "test-windows.sh: the Wine prefix could not be prepared; making it again" >&2
  tail -n 20 "$log" >&2
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  prepare_prefix >>"$log" 2>&1
fi
# The services Wine starts with its first program would hold ctest's output open: start
# them here, before any test.
wine cmd /c exit >/dev/null 2>&1 || true
if [[ ${1:-} != --screenshots ]]; then
  ctest --preset windows
fi
/usr/bin/python3 -W ignore tests/windows/test_windows.py "$@"
if [[ ${1:-} != --screenshots ]]; then
  # The window rules again in Wine's own desktop, where Wine manages the windows as Windows does.
  /usr/bin/python3 -W ignore tests/windows/test_windows.py --own-desktop
fi
# Only where Wine itself writes into a home (a desktop's browser, caches and other
# programs write elsewhere in it all the time): a prefix of its own, the menu entries, desktop
# files, icons and file types its menu builder makes, the links to the prefix's folders, its
# downloads.
wine_writes=(.wine .cache/wine Desktop .local/share/applications .local/share/desktop-directories
  .config/menus/applications-merged .local/share/icons .local/share/mime)
left=$(for path in "${wine_writes[@]}"; do
  if [[ -e $real_home/$path ]]; then
    find "$real_home/$path" -xdev -newer "$stamp" -not -type d -not -path "$PWD/*" 2>/dev/null || true
  fi
done | head -n 20)
if [[ -n $left ]]; then
  echo "test-windows.sh: the tests wrote into $real_home:" >&2
  echo "$left" >&2
  exit 1
fi
