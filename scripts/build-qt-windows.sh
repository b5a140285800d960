#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase only) for 64-bit Windows from Debian's own source package, with
# Debian's MinGW-w64 compilers, into a per-user cache. The first build takes about 35
# minutes on two cores; afterwards this script finds the finished cache and does nothing.
# Beside the libraries it keeps what a release owes their users: which third-party code
# went into each library (velmoor-notices.json, read from the build by qt-notices.py) and
# the source packages they were built from (qtbase, and Qt's translations that the
# Windows program ships), for the release to publish.
#
#   scripts/build-qt-windows.sh            build (or confirm) the cache, print its path
#   scripts/build-qt-windows.sh --print    print the cache path only
#   scripts/build-qt-windows.sh --source   print the folder of the source packages only
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")

qt_version=6.4.2
cache_root=${VELMOOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmoor}
prefix=$cache_root/qt-$qt_version-mingw64
work=$cache_root/qt-$qt_version-mingw64-build
sources=$cache_root/qt-$qt_version-source
toolchain=$top/cmake/mingw-w64-x86_64.cmake

# Only what a Widgets program needs; the tablet support is left out because Debian's
# source package does not carry its third-party header, and the DirectWrite 3 font
# database (not the default one) because it comes only with Direct2D.
configure_args=(
  -xplatform win32-g++ -qt-host-path /usr -release -shared
  -nomake examples -nomake tests
  -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-printsupport
  -no-feature-concurrent -no-feature-xml -no-feature-vulkan -no-feature-direct2d
  -no-feature-directwrite3 -no-feature-tabletevent
  -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-harfbuzz -qt-freetype -qt-doubleconversion
)
stamp_key="qtbase $qt_version; ${configure_args[*]}; $(sha256sum "$toolchain" | cut -c1-16)"

case ${1:-} in
  --print) echo "$prefix"; exit 0 ;;
  --source) echo "$sources"; exit 0 ;;
esac
built() { [[ -f $prefix/velmoor-stamp && $(cat "$prefix/velmoor-stamp") == "$stamp_key" && -f $prefix/velmoor-notices.json ]]; }
# The translations' source package is that of the version installed here, which the build
# ships; fetched as far as the archive serves it (below).
translations=$(dpkg-query -W -f='${source:Package}_${source:Version}' qt6-translations-l10n 2>/dev/null || true)
have_sources() { compgen -G "$sources/qt6-base_$qt_version*.dsc" >/dev/null && [[ -f $sources/$translations.dsc ]]; }
if built && have_sources; then
  echo "$prefix"
  exit 0
fi

bash "$here/install-deps.sh" windows-build

# 'apt-get source' needs a deb-src entry for the archive the binaries come from: mirror
# the existing Debian entries once, as source entries.
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  src_list=/etc/apt/sources.list.d/velmoor-deb-src.sources
  sudo=()
  ((EUID == 0)) || sudo=(sudo)
  {
    for f in /etc/apt/sources.list.d/*.sources; do
      [[ $f == "$src_list" ]] && continue
      grep -q 'debian-archive-keyring' "$f" || continue
      sed -e 's/^Types: *deb$/Types: deb-src/' "$f"
      echo
    done
    if [[ -f /etc/apt/sources.list ]]; then
      sed -n -E 's/^deb (.*debian.*)$/Types: deb-src\nURIs: \1/p' /etc/apt/sources.list |
        awk '/^URIs:/ { split($0, w, " "); printf "URIs: %s\nSuites: %s\nComponents:", w[2], w[3];
                        for (i = 4; i <= length(w); i++) printf " %s", w[i]; printf "\n\n"; next } { print }'
    fi
  } | "${sudo[@]}" tee "$src_list" >/dev/null
  "${sudo[@]}" apt-get update -q
fi

# An interrupted build of the same configuration goes on where it stopped. A cache from
# before the notices were kept is built again: they are read from the build.
if built; then
  :
elif [[ ! -f $work/key || $(cat "$work/key") != "$stamp_key" || ! -f $work/build/build.ninja ]]; then
  rm -rf "$work" "$prefix"
  mkdir -p "$work"
  cd "$work"
  echo "build-qt-windows: fetching Debian's qt6-base $qt_version source into $work"
  apt-get source -q --download-only qt6-base >/dev/null ||
    { apt-get update -q >/dev/null 2>&1 || true; apt-get source -q --download-only qt6-base >/dev/null; }
  tarball=$(ls qt6-base_"$qt_version"*.orig.tar.* 2>/dev/null | head -n 1)
  [[ -n $tarball ]] || { echo "build-qt-windows: Debian's qt6-base source is not version $qt_version" >&2; exit 1; }
  mkdir src
  tar -xf "$tarball" -C src --strip-components=1

  mkdir build
  cd build
  echo "build-qt-windows: configuring (log: $work/build/configure.log)"
  ../src/configure -prefix "$prefix" "${configure_args[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
    { tail -n 40 configure.log >&2; exit 1; }
  echo "$stamp_key" >"$work/key"
fi
if ! built; then
  cd "$work/build"
  echo "build-qt-windows: building with $(nproc) jobs (log: $work/build/build.log)"
  cmake --build . --parallel "$(nproc)" >build.log 2>&1 || { grep -m 20 -B 5 -E 'error|FAILED' build.log >&2; exit 1; }
  cmake --install . >install.log 2>&1 || { tail -n 40 install.log >&2; exit 1; }
  /usr/bin/python3 "$here/qt-notices.py" "$work/build" "$work/src" "$prefix" "$prefix/velmoor-notices.json.new"
  mv "$prefix/velmoor-notices.json.new" "$prefix/velmoor-notices.json"
  echo "$stamp_key" >"$prefix/velmoor-stamp"
fi

# The source packages, as Debian publishes them: qtbase's (the build above uses its upstream
# tarball as it is, without Debian's patches) and that of the Qt translations installed here.
mkdir -p "$sources"
cd "$sources"
if ! compgen -G "qt6-base_$qt_version*.dsc" >/dev/null; then
  if compgen -G "$work/qt6-base_$qt_version*.dsc" >/dev/null; then
    mv "$work"/qt6-base_"$qt_version"* .
  else
    apt-get source -q --download-only qt6-base >/dev/null
  fi
fi
translations=$(dpkg-query -W -f='${source:Package}_${source:Version}' qt6-translations-l10n)
# Where the archive serves only the description of a source package (some mirrors do), the
# description is kept: it names the upstream tarball and Debian's changes, and their checksums.
# Without even that, the Windows build goes on, and the release's source archive lacks it.
if ! compgen -G "${translations%-*}.orig.tar.*" >/dev/null; then
  apt-get source -q --download-only "${translations/_/=}" >/dev/null 2>&1 ||
    echo "build-qt-windows: only what the archive serves of ${translations/_/ } was fetched" >&2
fi
compgen -G "qt6-base_$qt_version*.orig.tar.*" >/dev/null ||
  { echo "build-qt-windows: Debian's qt6-base $qt_version source is not in $sources" >&2; exit 1; }
cd /
[[ -n ${VELMOOR_KEEP_QT_BUILD:-} ]] || rm -rf "$work"
echo "$prefix"
