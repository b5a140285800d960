#!/usr/bin/env bash
# Checks a published release against a rebuild of its commit, made here: every file the
# release's SHA256SUMS lists must be the same to the byte, the signed installer once its
# signature is taken off. A release's programs carry signed files inside others (velmoor.exe
# in the zip and the installer, the uninstaller in the installer); the rebuild takes their
# signatures from the release's -signatures.zip, and osslsigncode attaches each only to the
# very file it signed, so a rebuild that differs stops there.
#
#   scripts/check-rebuild.sh PUBLISHED_FOLDER [MAKE_TARGET]
#
# PUBLISHED_FOLDER holds the downloaded files and SHA256SUMS (and SHA256SUMS.asc, checked
# when gpg knows the publisher's key). MAKE_TARGET (default: release) is what is rebuilt;
# files it does not make are skipped. VELMOOR_SIGN_CAFILE names the certificate authority the
# signatures are checked against when it is not one the system trusts.
set -euo pipefail
cd "$(dirname "$0")/.."
published=$(realpath "$1")
target=${2:-release}
[[ -f $published/SHA256SUMS ]] || { echo "check-rebuild: no SHA256SUMS in $published" >&2; exit 2; }

if [[ -f $published/SHA256SUMS.asc ]]; then
  if gpg --verify "$published/SHA256SUMS.asc" "$published/SHA256SUMS" 2>/dev/null; then
    echo "check-rebuild: SHA256SUMS carries a good signature"
  else
    echo "check-rebuild: SHA256SUMS.asc does not verify (or gpg lacks the publisher's key)" >&2
    exit 1
  fi
fi
(cd "$published" && sha256sum --quiet --check --ignore-missing SHA256SUMS)

signatures=$(mktemp -d)
trap 'rm -rf "$signatures"' EXIT
archive=$(compgen -G "$published/velmoor-*-signatures.zip" || true)
if [[ -n $archive ]]; then
  unzip -q -j "$archive" -d "$signatures"
  export VELMOOR_SIGNATURES=$signatures
fi
make --no-print-directory "$target" >/dev/null

different=0
while read -r _ name; do
  ours=dist/$name
  if [[ ! -f $ours ]]; then
    echo "check-rebuild: $name: not made by make $target, skipped"
    continue
  fi
  theirs=$published/$name
  same="the same"
  if [[ $name == *.exe ]] && osslsigncode extract-signature -in "$theirs" -out "$signatures/outer" >/dev/null 2>&1; then
    theirs=$signatures/$name.unsigned
    osslsigncode remove-signature -in "$published/$name" -out "$theirs" >/dev/null
    same="the same once its signature is taken off"
  fi
  if cmp -s "$theirs" "$ours"; then
    echo "check-rebuild: $name: $same"
  else
    echo "check-rebuild: $name: DIFFERS" >&2
    different=1
  fi
done <"$published/SHA256SUMS"
exit $different
