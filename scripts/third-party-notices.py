"""Writes the notices of others' software that a Windows folder of Velmoor ships: Qt (its
libraries, plug-ins and translations), the third-party code compiled into them, and the
MinGW-w64 runtime, each with its licence in full. Every DLL in the folder must be accounted
for: one that is not stops the build.

    third-party-notices.py --folder DIR --qt-notices JSON --version V --source-archive NAME
                           --download-url URL --runtime DLL=PATH [--runtime ...] --out FILE

The Qt notices (JSON) come from the Qt build itself (scripts/qt-notices.py); the runtime's
licences are the copyright files of the Debian packages its DLLs came from."""

import argparse
import json
import os
import subprocess
import sys
import textwrap

RULE = "=" * 78


def debian_package(path):
    """(package, version, copyright text) of the Debian package that installed `path`."""
    out = subprocess.run(["dpkg-query", "-S", os.path.realpath(path)], capture_output=True, text=True, check=True)
    package = out.stdout.split(":", 1)[0]
    version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], capture_output=True, text=True,
                             check=True).stdout
    with open("/usr/share/doc/%s/copyright" % package, encoding="utf-8", errors="replace") as f:
        return package, version, f.read().strip()


def heading(number, title):
    return ["", RULE, "%s. %s" % (number, title), RULE, ""]


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--folder", required=True)
    p.add_argument("--qt-notices", required=True)
    p.add_argument("--version", required=True)
    p.add_argument("--source-archive", required=True)
    p.add_argument("--download-url", required=True)
    p.add_argument("--runtime", action="append", default=[], help="NAME=PATH of a MinGW runtime DLL")
    p.add_argument("--out", required=True)
    a = p.parse_args()
    with open(a.qt_notices, encoding="utf-8") as f:
        qt = json.load(f)
    qt_version = qt["qt_version"]
    # Qt's DLLs by where they sit in the folder: bin/X.dll beside the program, plugins/K/X.dll in K/.
    qt_binaries = {}
    for installed, held in qt["binaries"].items():
        parts = installed.split(os.sep)
        qt_binaries["/".join(parts[1:])] = held
    runtime = dict(r.split("=", 1) for r in a.runtime)

    shipped = sorted(os.path.relpath(os.path.join(d, n), a.folder).replace(os.sep, "/")
                     for d, _, names in os.walk(a.folder) for n in names if n.lower().endswith(".dll"))
    unknown = [dll for dll in shipped if dll not in qt_binaries and dll not in runtime]
    if unknown:
        sys.exit("third-party-notices: no notice for %s: a DLL shipped must be Qt's (from the Qt build's "
                 "notices) or the MinGW runtime's" % ", ".join(unknown))
    translations = sorted(n for n in os.listdir(os.path.join(a.folder, "translations"))) \
        if os.path.isdir(os.path.join(a.folder, "translations")) else []

    components = qt["components"]
    in_binaries = {}
    for dll in shipped:
        for cid in qt_binaries.get(dll, []):
            in_binaries.setdefault(cid, []).append(dll)
    packages = {}
    for dll in shipped:
        if dll in runtime:
            packages.setdefault(debian_package(runtime[dll]), []).append(dll)

    lines = ["Velmoor %s for Windows: software of others that it ships" % a.version, RULE, "",
             "Velmoor itself is proprietary software of its publisher. It is shipped with the software",
             "of others listed here, each under the licence given with it. This file is written by the",
             "build from the files it ships.", "", "Files", "-----"]
    for dll in shipped:
        if dll in runtime:
            lines.append("%-30s MinGW-w64 runtime (section 3)" % dll)
            continue
        lines.append("%-30s Qt %s, LGPL-3.0-only (section 1)" % (dll, qt_version))
        held = ", ".join(components[c]["name"] for c in qt_binaries[dll])
        if held:
            lines += textwrap.wrap("with: %s (section 2)" % held, 78, initial_indent="    ", subsequent_indent="    ",
                                   break_on_hyphens=False, break_long_words=False)
    if translations:
        lines.append("%-30s Qt %s's translations, LGPL-3.0-only (section 1)" % ("translations/*.qm", qt_version))

    lines += heading(1, "Qt %s" % qt_version)
    lines += [
        "Qt is a cross-platform application framework, Copyright (C) The Qt Company Ltd. and other",
        "contributors (https://www.qt.io/). Velmoor uses Qt %s (the qtbase module, and Qt's" % qt_version,
        "translations) under the GNU Lesser General Public License version 3 (section 4), which",
        "incorporates the GNU General Public License version 3 (section 5).",
        "",
        "Velmoor links Qt dynamically: Qt's libraries are the separate DLLs listed above, loaded",
        "from the folder that holds velmoor.exe, and are not modified. You may replace them with",
        "your own build of Qt %s, or of a later Qt 6.4, for 64-bit Windows with MinGW-w64 (the" % qt_version,
        "same compiler's runtime), modified or not, and Velmoor will use it.",
        "",
        "The source of the Qt shipped here, and the script and options that built it, are",
        "published beside this release, in the same place and for as long as it is offered:",
        "",
        "    %s%s" % (a.download_url, a.source_archive),
        "",
        "It holds Debian's source packages qt6-base (whose upstream tarball the build used",
        "unchanged) and qt6-translations (its README says what of it), scripts/build-qt-windows.sh",
        "and the compiler settings it uses. Its SHA-256 is in the release's SHA256SUMS.",
    ]

    lines += heading(2, "Third-party code compiled into Qt's libraries")
    lines += ["As Qt's own attribution files (qt_attribution.json) record them, for every file this",
              "build compiled into each library.", ""]
    printed = {}
    for cid in sorted(in_binaries, key=lambda c: components[c]["name"].lower()):
        c = components[cid]
        lines += ["-" * 78, "%s%s" % (c["name"], " " + c["version"] if c["version"] else ""),
                  "In: %s" % ", ".join(in_binaries[cid])]
        for label, key in (("Home page", "homepage"), ("Copyright", "copyright"), ("Licence", "license")):
            if c[key]:
                lines.append("%s: %s" % (label, c[key]))
        if c["licenseid"]:
            lines.append("SPDX: %s" % c["licenseid"])
        for text in c["texts"]:
            if text in printed:
                lines += ["", "(The text given above for %s.)" % printed[text]]
            else:
                printed[text] = c["name"]
                lines += ["", text]
        lines.append("")

    lines += heading(3, "The MinGW-w64 runtime")
    lines += ["The C++ and GCC runtime libraries (libstdc++, libgcc) are covered by the GNU General",
              "Public License version 3 with the GCC Runtime Library Exception 3.1; the POSIX threads",
              "library (winpthreads) by the licences of mingw-w64. They come from Debian's packages",
              "below, whose copyright files follow in full; their source is Debian's source packages",
              "gcc-mingw-w64 and mingw-w64 of these versions.", ""]
    for (package, version, text), dlls in sorted(packages.items()):
        lines += ["-" * 78, "%s: Debian package %s %s" % (", ".join(dlls), package, version), "", text, ""]

    lines += heading(4, "GNU Lesser General Public License, version 3") + [qt["licences"]["LGPL-3.0-only"]]
    lines += heading(5, "GNU General Public License, version 3") + [qt["licences"]["GPL-3.0-only"]]
    with open(a.out, "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
