"""Compares two folders of look_states pictures pixel by pixel: compare_looks.py OLD NEW.
Prints each picture that differs, with the number of differing pixels; exits 1 if any.

compare_looks.py --palettes LOOK_STATES renders every window state under the default, a
dark and a black high-contrast palette and compares each with the default: the program's
own surfaces must not change with the desktop's colours. Drawn with the system's colours
(as under Windows' High Contrast), none of the design's may be left."""

import os
import subprocess
import sys
import tempfile


def main(old, new):
    names = sorted(set(os.listdir(old)) | set(os.listdir(new)))
    differing = 0
    for name in names:
        if not (os.path.exists(os.path.join(old, name)) and os.path.exists(os.path.join(new, name))):
            print("%s: only in %s" % (name, old if os.path.exists(os.path.join(old, name)) else new))
            differing += 1
            continue
        out = subprocess.run(["compare", "-metric", "AE", os.path.join(old, name), os.path.join(new, name), "null:"],
                             capture_output=True, text=True)
        pixels = out.stderr.strip().split()[0] if out.stderr.strip() else "?"
        if pixels != "0":
            print("%s: %s pixels differ" % (name, pixels))
            differing += 1
    print("%d pictures, %d differ" % (len(names), differing))
    return 1 if differing else 0


def design_colours(look_states):
    """The design's colours that no black-and-white palette makes, not even in a blend (the
    greys are left out), as the program names them: {"(r,g,b)": name}."""
    out = subprocess.run([look_states, "--colours"], capture_output=True, text=True, check=True,
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    colours = {}
    for line in out.splitlines():
        name, r, g, b = line.split()
        if not r == g == b:
            colours["(%s,%s,%s)" % (r, g, b)] = name
    return colours


def design_colours_left(folder, design):
    """Pictures drawn with the system's colours that still show one of the design's."""
    found = 0
    for name in sorted(os.listdir(folder)):
        colours = subprocess.run(["convert", os.path.join(folder, name), "-format", "%c", "histogram:info:-"],
                                 capture_output=True, text=True, check=True).stdout
        left = sorted(colour for rgb, colour in design.items() if " %s " % rgb in colours)
        if left:
            print("%s: the design's %s under the system's colours" % (name, ", ".join(left)))
            found += 1
    return 1 if found else 0


def palettes(look_states):
    with tempfile.TemporaryDirectory() as folder:
        for palette in ("default", "dark", "contrast", "system"):
            subprocess.run([look_states, os.path.join(folder, palette), palette], check=True,
                           env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), stderr=subprocess.DEVNULL)
        return max([main(os.path.join(folder, "default"), os.path.join(folder, palette))
                    for palette in ("dark", "contrast")]
                   + [design_colours_left(os.path.join(folder, "system"), design_colours(look_states))])


if __name__ == "__main__":
    sys.exit(palettes(sys.argv[2]) if sys.argv[1] == "--palettes" else main(sys.argv[1], sys.argv[2]))
