#!/usr/bin/env bash
# The Windows build's tests, under Wine: the unit tests through ctest, then the packaged
# program and the installer on a virtual X server (tests/windows/test_windows.py).
#   test-windows.sh VERSION [--screenshots]
set -euo pipefail
cd "$(dirname "$0")/.."
version=$1
shift
export WINEPREFIX=$PWD/build/windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The build's own prefix, made once; its server stays up for the whole run.
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  wineboot --init >/dev/null 2>&1
fi
wineserver -p
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# The services Wine starts with its first program would hold ctest's output open: start
# them here, before any test.
wine cmd /c exit >/dev/null 2>&1 || true
if [[ ${1:-} != --screenshots ]]; then
  ctest --preset windows
fi
/usr/bin/python3 -W ignore tests/windows/test_windows.py "$version" "$@"
