"""What of others' code went into each library and plug-in of a Qt build: read from the
build itself, so that the notices a release ships follow what was compiled, not a list kept
by hand.

Every file that went into a library (its sources, and every header and included source the
compiler read, from ninja's dependency log) is matched against the qt_attribution.json
files of the Qt source: an entry that names files ("Files") covers those files, one that
names a path ("Path") that file or folder, and any other the folder it sits in. Libraries
that another library links against are not followed into: what Qt6Core holds is Qt6Core's
notice, not Qt6Gui's.

    qt-notices.py BUILD SOURCE PREFIX OUT

writes OUT (JSON): the Qt version, every DLL installed under PREFIX with the components it
holds, each component's name, version, copyright and licence texts, and Qt's own licence
texts (the LGPL 3 and the GPL 3 it incorporates)."""

import json
import os
import re
import subprocess
import sys


def ninja_edges(build):
    """{output: [inputs]} for every build statement (explicit and implicit inputs; order-only
    ones are not what an output is made of)."""
    with open(os.path.join(build, "build.ninja"), encoding="utf-8") as f:
        text = f.read().replace("$\n", "")
    edges = {}
    for line in text.splitlines():
        if not line.startswith("build "):
            continue
        words = [w.replace("$ ", " ").replace("$:", ":").replace("$$", "$")
                 for w in re.split(r"(?<!\$) ", line[len("build "):])]
        colon = next(i for i, w in enumerate(words) if w.endswith(":") and not w.endswith("$:"))
        outputs = [w for w in words[:colon + 1] if w not in ("|",)]
        outputs[-1] = outputs[-1][:-1]
        inputs = words[colon + 2:]
        if "||" in inputs:
            inputs = inputs[:inputs.index("||")]
        inputs = [w for w in inputs if w and w != "|"]
        for out in outputs:
            edges[out] = (outputs, inputs)
    return edges


def ninja_deps(build):
    """{object: [files the compiler read]} from ninja's dependency log."""
    out = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True, check=True).stdout
    deps, current = {}, None
    for line in out.splitlines():
        if line and not line.startswith(" "):
            current = line.split(":", 1)[0]
            deps[current] = []
        elif line.strip() and current:
            deps[current].append(line.strip())
    return deps


def files_of(target, edges, deps):
    """Every file `target` was made of, not following into other shared libraries."""
    seen, files, stack = set(), set(), [target]
    while stack:
        node = stack.pop()
        if node in seen:
            continue
        seen.add(node)
        files.update(deps.get(node, ()))
        if node not in edges:
            files.add(node)
            continue
        outputs, inputs = edges[node]
        if node != target and any(o.endswith(".dll") for o in outputs):
            continue  # another library, with notices of its own
        stack.extend(inputs)
    return files


def load_attributions(source):
    """[(folder, entry)] of every qt_attribution.json under SOURCE/src."""
    found = []
    for folder, _, names in os.walk(os.path.join(source, "src")):
        if "qt_attribution.json" in names:
            with open(os.path.join(folder, "qt_attribution.json"), encoding="utf-8") as f:
                data = json.loads(f.read(), strict=False)  # Qt's files hold raw line breaks
            for entry in data if isinstance(data, list) else [data]:
                found.append((folder, entry))
    return found


def covers(folder, entry, path):
    if entry.get("Files"):
        names = re.split(r"[\s,]+", entry["Files"].strip())
        return any(path == os.path.join(folder, n) or os.path.basename(path) == os.path.basename(n) for n in names)
    base = os.path.normpath(os.path.join(folder, entry.get("Path", "")))
    return path == base or path.startswith(base + os.sep)


def component(folder, entry):
    licence_files = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if entry.get("LicenseFile") else [])
    texts = []
    for name in licence_files + ([entry["CopyrightFile"]] if entry.get("CopyrightFile") else []):
        with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as f:
            texts.append(f.read().strip())
    fields = ("Name", "Version", "Homepage", "Copyright", "License", "LicenseId")
    return {key.lower(): entry.get(key, "") for key in fields} | {"texts": texts}


def main(build, source, prefix, out):
    build, source = os.path.abspath(build), os.path.abspath(source)
    edges, deps = ninja_edges(build), ninja_deps(build)
    attributions = load_attributions(source)
    binaries, components = {}, {}
    for folder, _, names in os.walk(prefix):
        for name in sorted(n for n in names if n.endswith(".dll")):
            installed = os.path.relpath(os.path.join(folder, name), prefix)
            built = next((o for o in edges if o.endswith("/" + name) or o == name), None)
            if built is None:
                sys.exit("qt-notices: no build statement makes %s" % installed)
            paths = {os.path.normpath(os.path.join(build, f)) for f in files_of(built, edges, deps)}
            held = set()
            for folder_, entry in attributions:
                if any(covers(folder_, entry, p) for p in paths):
                    held.add(entry["Id"])
                    components.setdefault(entry["Id"], component(folder_, entry))
            binaries[installed] = sorted(held)
    with open(os.path.join(source, ".cmake.conf"), encoding="utf-8") as f:
        version = re.search(r'QT_REPO_MODULE_VERSION "([0-9.]+)"', f.read()).group(1)
    licences = {}
    for name in ("LGPL-3.0-only", "GPL-3.0-only"):
        with open(os.path.join(source, "LICENSES", name + ".txt"), encoding="utf-8") as f:
            licences[name] = f.read().strip()
    with open(out, "w", encoding="utf-8") as f:
        json.dump({"qt_version": version, "binaries": binaries, "components": components, "licences": licences}, f,
                  indent=1, sort_keys=True, ensure_ascii=False)


if __name__ == "__main__":
    main(*sys.argv[1:])
