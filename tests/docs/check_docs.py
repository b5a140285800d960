"""What the docs name must exist: every file or folder of the tree written in backticks or
linked, every `make` target and every CMake preset. Run by `make check` over README.md,
CONTRIBUTING.md and docs/*.md; prints what it cannot find and fails.

    check_docs.py [FILE...]"""

import glob
import json
import os
import re
import sys

TOP = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
# The tree's own folders: a path that starts with one of them is a path of this tree.
ROOTS = ("src/", "tests/", "scripts/", "cmake/", "docs/", "data/", "installer/", "bench/", "translations/",
         ".ci/")
CODE = re.compile(r"`([^`\n]+)`")
LINK = re.compile(r"\]\(([^)#\s]+)")
MAKE = re.compile(r"\bmake ([a-z][a-z-]*)")
PRESET = re.compile(r"--preset[ =]([a-z][a-z-]*)")


def make_targets():
    with open(os.path.join(TOP, "Makefile"), encoding="utf-8") as f:
        return set(re.findall(r"^([a-z][a-z-]*):", f.read(), re.M))


def presets():
    with open(os.path.join(TOP, "CMakePresets.json"), encoding="utf-8") as f:
        data = json.load(f)
    return {p["name"] for kind, entries in data.items() if kind.endswith("Presets") for p in entries}


def exists(path):
    """A path of the tree; a name standing for its kind (`<language>`, `*`) matched by any,
    and a source's name without its extension by its .h or .cpp."""
    path = path.rstrip("/.,:;)")
    pattern = re.sub(r"<[^>]*>|\.\.\.", "*", path)
    return bool(glob.glob(os.path.join(TOP, pattern)) or glob.glob(os.path.join(TOP, pattern + ".*")))


def problems(files):
    targets, names = make_targets(), presets()
    found = []
    for doc in files:
        with open(doc, encoding="utf-8") as f:
            text = f.read()
        here = os.path.relpath(doc, TOP)
        for span in CODE.findall(text):
            for word in span.split():
                if word.startswith(ROOTS) and not exists(word):
                    found.append("%s: no %s" % (here, word))
        for link in LINK.findall(text):
            if "://" in link:
                continue
            if not os.path.exists(os.path.normpath(os.path.join(os.path.dirname(doc), link))):
                found.append("%s: a link to %s, which is not there" % (here, link))
        commands = CODE.findall(text) + re.findall(r"^    .*$", text, re.M)  # spans and code blocks
        for target in MAKE.findall("\n".join(commands)):
            if target not in targets:
                found.append("%s: no make target %s" % (here, target))
        for preset in PRESET.findall("\n".join(commands)):
            if preset not in names:
                found.append("%s: no preset %s" % (here, preset))
    return found


if __name__ == "__main__":
    docs = sys.argv[1:] or [os.path.join(TOP, name) for name in ("README.md", "CONTRIBUTING.md")] \
        + sorted(glob.glob(os.path.join(TOP, "docs", "*.md")))
    found = problems(docs)
    for line in found:
        print(line)
    sys.exit(1 if found else 0)
