"""The folders of src/ depend on each other downward only: app on answer, referral, site,
widgets and platform; answer and referral on site, widgets and platform; site on widgets and
platform; widgets on platform; platform on none of them. Read from every #include under
src/. And no file asks which system it is built for: what differs by system is in a file of
its own in src/platform (name_windows.cpp, name_unix.cpp), which the build chooses."""

import os
import re
import unittest

SRC = os.path.join(os.path.dirname(__file__), "..", "..", "src")
ALLOWED = {
    "app": {"answer", "referral", "site", "widgets", "platform"},
    "answer": {"site", "widgets", "platform"},
    "referral": {"site", "widgets", "platform"},
    "site": {"widgets", "platform"},
    "widgets": {"platform"},
    "platform": set(),
}
# Headers generated when building, by the folder they belong to.
GENERATED = {"site_addresses.h": "site", "velmoor_version.h": "platform"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
SYSTEM_TEST = re.compile(r"^\s*#\s*(?:el)?if.*\b(_WIN32|_WIN64|WIN32|Q_OS_\w+|__linux__|__unix__|__APPLE__)\b", re.M)


def target_of(include, own_folder):
    """The src/ folder an include names, or None when it names none (a window's own
    generated ui_*.h)."""
    if "/" in include:
        return include.split("/")[0]
    if include in GENERATED:
        return GENERATED[include]
    if include.startswith("ui_"):
        return None
    return own_folder


def violations(src):
    found = []
    for folder in sorted(ALLOWED):
        for root, _, files in os.walk(os.path.join(src, folder)):
            for name in sorted(files):
                path = os.path.join(root, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for include in INCLUDE.findall(text):
                    target = target_of(include, folder)
                    if target is None or target == folder:
                        continue
                    if target not in ALLOWED:
                        found.append("%s: #include \"%s\" names no folder of src/" % (path, include))
                    elif target not in ALLOWED[folder]:
                        found.append("%s: %s -> %s (#include \"%s\")"
                                     % (os.path.relpath(path, src), folder, target, include))
    return found


def system_tests(src):
    """Every place under src/ that asks which system it is built for, and every file of one
    system outside src/platform."""
    found = []
    for root, _, files in os.walk(src):
        for name in sorted(files):
            path = os.path.join(root, name)
            relative = os.path.relpath(path, src)
            with open(path, encoding="utf-8", errors="replace") as f:
                for test in SYSTEM_TEST.findall(f.read()):
                    found.append("%s: #if %s" % (relative, test))
            if re.search(r"_(windows|unix)\.cpp$", name) and not relative.startswith("platform" + os.sep):
                found.append("%s: a file of one system outside platform/" % relative)
    return found


class Layering(unittest.TestCase):
    def test_every_include_points_down(self):
        self.assertEqual(violations(SRC), [])

    def test_an_upward_include_is_caught(self):
        import tempfile
        with tempfile.TemporaryDirectory() as src:
            for folder in ALLOWED:
                os.mkdir(os.path.join(src, folder))
            with open(os.path.join(src, "site", "x.cpp"), "w") as f:
                f.write('#include "site/mod_help.h"\n#include "ui_frm_about.h"\n#include "answer/answer.h"\n')
            with open(os.path.join(src, "platform", "y.h"), "w") as f:
                f.write('#include "site_addresses.h"\n')
            with open(os.path.join(src, "widgets", "z.h"), "w") as f:
                f.write('#include "platform/platform.h"\n#include "site/promo_texts.h"\n')
            self.assertEqual(len(violations(src)), 3)

    def test_no_file_asks_which_system_it_is(self):
        self.assertEqual(system_tests(SRC), [])
        import tempfile
        with tempfile.TemporaryDirectory() as src:
            os.mkdir(os.path.join(src, "widgets"))
            with open(os.path.join(src, "main.cpp"), "w") as f:
                f.write("#ifndef Q_OS_WIN\n#endif\n#if defined(__linux__) && X\n#endif\n#ifdef VELMOOR_X\n#endif\n")
            open(os.path.join(src, "widgets", "look_windows.cpp"), "w").close()
            self.assertEqual(len(system_tests(src)), 3)


if __name__ == "__main__":
    unittest.main()
