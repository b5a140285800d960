"""The host's half of the cross-built referral test: every address the Windows build of
tst_referral_logic left behind must parse, with Python's standard query parser, into
exactly the values the test expected."""

import json
import sys
import urllib.parse

checked = 0
with open(sys.argv[1], encoding="utf-8") as f:
    for line in f:
        left = json.loads(line)
        query = urllib.parse.urlsplit(left["address"]).query
        parsed = urllib.parse.parse_qs(query, keep_blank_values=True, strict_parsing=True)
        expected = {key: [value] for key, value in left["expected"].items()}
        if parsed != expected:
            sys.exit("%s\nparsed as %s\nexpected %s" % (left["address"][:300], parsed, expected))
        checked += 1
if checked == 0:
    sys.exit("no address to check")
print("%d addresses parsed as expected" % checked)
