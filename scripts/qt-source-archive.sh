#!/usr/bin/env bash
# The source of the Qt a Windows release ships, as one archive for the release to publish
# beside it: Debian's source packages of qtbase and of Qt's translations (kept in the cache
# by build-qt-windows.sh), the script, compiler settings and notices reader that built it,
# and a README saying how. The same files give the same archive, to the byte.
#   qt-source-archive.sh OUT.tar
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
out=$(realpath -m "$1")
: "${SOURCE_DATE_EPOCH:?set it to the time every entry should carry}"
sources=$(bash "$here/build-qt-windows.sh" --source)
name=$(basename "$out" .tar)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name" "$stage/$name/scripts" "$stage/$name/cmake"
cp "$sources"/*.dsc "$sources"/*.tar.* "$stage/$name/"
cp "$here/build-qt-windows.sh" "$here/qt-notices.py" "$here/install-deps.sh" "$stage/$name/scripts/"
cp "$top/cmake/mingw-w64-x86_64.cmake" "$stage/$name/cmake/"
configure=$(sed -n '/^configure_args=(/,/^)/p' "$here/build-qt-windows.sh")
if compgen -G "$sources/qt6-translations_*.orig.tar.*" >/dev/null; then
  translations="qt6-translations_*: Debian's source package of Qt's translations, from which the
translations/qtbase_*.qm files come (Debian's package qt6-translations-l10n)."
else
  translations="qt6-translations_*.dsc: the description of Debian's source package of Qt's
translations, from which the translations/qtbase_*.qm files come (Debian's package
qt6-translations-l10n). The archive this release was built from served only the description;
it names the upstream tarball and Debian's changes with their SHA-256 sums, and Debian keeps
every version of them (snapshot.debian.org)."
fi
cat >"$stage/$name/README.txt" <<README
The source of the Qt libraries, plug-ins and translations shipped with Velmoor for Windows.

qt6-base_*: Debian's source package of Qt's qtbase module. The libraries and plug-ins were
built from its upstream tarball (*.orig.tar.xz) as it is, without Debian's patches, for
64-bit Windows with Debian 12's MinGW-w64 compilers (the POSIX thread model), by
scripts/build-qt-windows.sh with the compiler settings in cmake/mingw-w64-x86_64.cmake and
these configure options:

$configure

On Debian 12, scripts/build-qt-windows.sh builds the same Qt into ~/.cache/velmoor: it
installs what it needs with scripts/install-deps.sh and fetches this source package with
apt-get source. The DLLs it builds may replace those beside velmoor.exe.

$translations
README
touch --no-dereference --date="@$SOURCE_DATE_EPOCH" "$stage/$name" "$stage/$name"/* "$stage/$name"/*/*
mkdir -p "$(dirname "$out")"
rm -f "$out"
tar --create --file "$out" --directory "$stage" --sort=name --format=gnu --owner=0 --group=0 --numeric-owner \
  --mode='u=rwX,go=rX' --mtime="@$SOURCE_DATE_EPOCH" "$name"
