#!/usr/bin/env bash
# Zips FOLDER (inside PARENT) into PARENT/FOLDER.zip so that the same files give the same
# zip to the byte: entries in name order, every time set to SOURCE_DATE_EPOCH (in UTC: zip
# keeps local times), no owner or extra time fields.
#   zip-reproducibly.sh PARENT FOLDER [--if-present]
# With --if-present, a FOLDER that is not there leaves no zip (an earlier one is removed).
set -euo pipefail
cd "$1"
: "${SOURCE_DATE_EPOCH:?set it to the time every entry should carry}"
rm -f "$2.zip"
[[ ${3:-} == --if-present && ! -d $2 ]] && exit 0
find "$2" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
find "$2" -print | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ "$2.zip"
