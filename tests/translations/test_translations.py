"""Every translation is complete and current: one file for each language the build names,
holding every text of the code as it is now, each translated, with the same placeholders
and access key as the English; and no prompt translated into something the referral checks
would take for an address."""

import collections
import os
import re
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET

TOP = os.path.join(os.path.dirname(__file__), "..", "..")
LUPDATE = "/usr/lib/qt6/bin/lupdate"
PLACEHOLDER = re.compile(r"%\d+")


def languages():
    with open(os.path.join(TOP, "CMakeLists.txt"), encoding="utf-8") as f:
        return re.search(r"set\(VELMOOR_LANGUAGES ([^)]*)\)", f.read()).group(1).split()


def messages(path):
    """(context, source) -> the message element."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            found[(context.findtext("name"), message.findtext("source"))] = message
    return found


def access_keys(text):
    """The access-key markers of a text: "&x" once each; "&&" is an ampersand."""
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def faults(language, current):
    path = os.path.join(TOP, "translations", "velmoor_%s.ts" % language)
    if not os.path.exists(path):
        return ["%s: no translations/velmoor_%s.ts" % (language, language)]
    found = []
    held = messages(path)
    for key in sorted(set(current) - set(held)):
        found.append("%s: not in the file (make translations): %s %r" % (language, *key))
    for (context, source), message in sorted(held.items()):
        translation = message.find("translation")
        text = translation.text or ""
        where = "%s: %s %r" % (language, context, source[:50])
        if (context, source) not in current or translation.get("type") in ("obsolete", "vanished"):
            found.append(where + ": no longer in the code")
        elif translation.get("type") == "unfinished" or not text:
            found.append(where + ": not translated")
        elif collections.Counter(PLACEHOLDER.findall(text)) != collections.Counter(PLACEHOLDER.findall(source)):
            found.append(where + ": placeholders %s became %s"
                         % (PLACEHOLDER.findall(source), PLACEHOLDER.findall(text)))
        elif access_keys(text) != access_keys(source) or text.count("&&") != source.count("&&"):
            found.append(where + ": access key or ampersand lost or added: %r" % text)
        elif context == "Referral" and "Email" in source and "@" in text and "." in text:
            found.append(where + ": a prompt left in place would pass for an address: %r" % text)
    return found


class Translations(unittest.TestCase):
    def test_every_language_complete_and_current(self):
        with tempfile.TemporaryDirectory() as tmp:
            fresh = os.path.join(tmp, "current.ts")
            subprocess.run([LUPDATE, "-silent", "-recursive", os.path.join(TOP, "src"), "-ts", fresh],
                           check=True, capture_output=True)
            current = set(messages(fresh))
        self.assertGreater(len(current), 50)
        # One file for each language the build names, and none it leaves out.
        files = sorted(name[len("velmoor_"):-len(".ts")] for name in os.listdir(os.path.join(TOP, "translations"))
                       if name.startswith("velmoor_") and name.endswith(".ts"))
        self.assertEqual(files, sorted(languages()))
        found = [fault for language in languages() for fault in faults(language, current)]
        self.assertEqual(found, [], "\n".join(found))


if __name__ == "__main__":
    unittest.main()
