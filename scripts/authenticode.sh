#!/usr/bin/env bash
# Makes a Windows executable of the build what a release ships, in place:
#  - laid out as a signed file is once its signature is taken off (its length a multiple
#    of 8 bytes, the header's checksum set, as osslsigncode remove-signature leaves it), so
#    that an unsigned rebuild equals a published file with its signature removed;
#  - then signed with the publisher's key when the environment names one, or given the
#    signature a published release made of the same file (to check a rebuild without the key:
#    osslsigncode refuses a signature that does not match the file).
#
#   authenticode.sh FILE [NAME]    NAME: the file's name in the release (default: FILE's)
#   authenticode.sh --status       one line: signed with what, or unsigned
#
# The key, never in the tree:
#   VELMOOR_SIGN_PKCS12            a PKCS#12 file holding the key and its certificate chain,
#     VELMOOR_SIGN_PASSWORD_FILE   and a file holding its password (or VELMOOR_SIGN_PASSWORD)
#   VELMOOR_SIGN_PKCS11_MODULE     or a token: its PKCS#11 module,
#     VELMOOR_SIGN_KEY             the key's PKCS#11 URI, and
#     VELMOOR_SIGN_CERTS           the certificate chain (PEM)
#   VELMOOR_SIGN_TIMESTAMP_URL     an RFC 3161 time-stamp server; empty (the default): none
# Attaching instead: VELMOOR_SIGNATURES, a folder holding NAME.p7s for each file, checked
# against the system's certificate authorities or those in VELMOOR_SIGN_CAFILE (PEM).
# VELMOOR_SIGNATURES_OUT: a folder where each signature made is kept as NAME.p7s.
# VELMOOR_SIGN_DESCRIPTION, VELMOOR_SIGN_URL: what the signature names (the build sets them).
set -euo pipefail

if [[ ${1:-} == --status ]]; then
  if [[ -n ${VELMOOR_SIGNATURES:-} ]]; then
    echo "authenticode: attaching the signatures in $VELMOOR_SIGNATURES"
  elif [[ -n ${VELMOOR_SIGN_PKCS12:-} ]]; then
    echo "authenticode: signing with $VELMOOR_SIGN_PKCS12${VELMOOR_SIGN_TIMESTAMP_URL:+, time-stamped by $VELMOOR_SIGN_TIMESTAMP_URL}"
  elif [[ -n ${VELMOOR_SIGN_PKCS11_MODULE:-} ]]; then
    echo "authenticode: signing with ${VELMOOR_SIGN_KEY:-?} through $VELMOOR_SIGN_PKCS11_MODULE"
  else
    echo "authenticode: no signing key named (VELMOOR_SIGN_PKCS12 or VELMOOR_SIGN_PKCS11_MODULE): the Windows files are unsigned"
  fi
  exit 0
fi

file=$1
name=${2:-$(basename "$file")}

/usr/bin/python3 - "$file" <<'EOF'
import sys
import pefile
path = sys.argv[1]
with open(path, "rb") as f:
    data = f.read()
data += bytes(-len(data) % 8)
pe = pefile.PE(data=data, fast_load=True)
if pe.OPTIONAL_HEADER.DATA_DIRECTORY[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_SECURITY"]].Size:
    sys.exit("authenticode: %s is signed already" % path)
pe.OPTIONAL_HEADER.CheckSum = pe.generate_checksum()
with open(path, "wb") as f:
    f.write(pe.write())
EOF

signed=$file.signed
own_password=
trap 'rm -f "$signed" $own_password' EXIT
if [[ -n ${VELMOOR_SIGNATURES:-} ]]; then
  trusted=()
  [[ -z ${VELMOOR_SIGN_CAFILE:-} ]] || trusted=(-CAfile "$VELMOOR_SIGN_CAFILE")
  osslsigncode attach-signature -sigin "$VELMOOR_SIGNATURES/$name.p7s" "${trusted[@]}" -in "$file" -out "$signed" >/dev/null ||
    { echo "authenticode: the signature $VELMOOR_SIGNATURES/$name.p7s does not verify on this $name" >&2; exit 1; }
else
  what=(-h sha256 -n "${VELMOOR_SIGN_DESCRIPTION:-$name}")
  [[ -z ${VELMOOR_SIGN_URL:-} ]] || what+=(-i "$VELMOOR_SIGN_URL")
  [[ -z ${VELMOOR_SIGN_TIMESTAMP_URL:-} ]] || what+=(-ts "$VELMOOR_SIGN_TIMESTAMP_URL")
  if [[ -n ${VELMOOR_SIGN_PKCS12:-} ]]; then
    # The password from a file, not the command line, where any process could read it.
    password_file=${VELMOOR_SIGN_PASSWORD_FILE:-}
    if [[ -z $password_file && -n ${VELMOOR_SIGN_PASSWORD:-} ]]; then
      own_password=$(mktemp)
      printf '%s' "$VELMOOR_SIGN_PASSWORD" >"$own_password"
      password_file=$own_password
    fi
    key=(-pkcs12 "$VELMOOR_SIGN_PKCS12")
    [[ -z $password_file ]] || key+=(-readpass "$password_file")
  elif [[ -n ${VELMOOR_SIGN_PKCS11_MODULE:-} ]]; then
    key=(-pkcs11module "$VELMOOR_SIGN_PKCS11_MODULE" -certs "${VELMOOR_SIGN_CERTS:?the certificate chain}"
      -key "${VELMOOR_SIGN_KEY:?the key as a PKCS#11 URI}")
  else
    exit 0 # unsigned, as --status says
  fi
  osslsigncode sign "${key[@]}" "${what[@]}" -in "$file" -out "$signed" >/dev/null
fi
mv "$signed" "$file"
if [[ -n ${VELMOOR_SIGNATURES_OUT:-} ]]; then
  mkdir -p "$VELMOOR_SIGNATURES_OUT"
  osslsigncode extract-signature -in "$file" -out "$VELMOOR_SIGNATURES_OUT/$name.p7s" >/dev/null
fi
