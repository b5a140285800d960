"""A monkey at the keyboard and mouse: thousands of random clicks (left, middle, right)
inside the program's windows, bursts of clicks on one spot (Get My Answer most of all),
letters, Tab, Enter, Escape, Space, access keys, the editing and clipboard keys and the
context-menu key, keys held down for seconds, with the clipboard and the selection now
empty, now holding text, now an image. It fails on a crash, a
sanitizer report, a hang (no answer for 5 s), a live copy with no window, or the question
and result windows shown at once. A copy that ends by its own Exit is started again.

VELMOOR_MONKEY_SEED and VELMOOR_MONKEY_EVENTS change the run; the seed is printed on a
failure and every event is logged to monkey-events.log in the working folder."""

import os
import random
import subprocess
import sys
import time
import unittest

from e2e_case import DesktopCase
from pixels import decode_ppm

SEED = int(os.environ.get("VELMOOR_MONKEY_SEED", "20261207"))
EVENTS = int(os.environ.get("VELMOOR_MONKEY_EVENTS", "2000"))
CHECK_EVERY = 25
KEYS = ["Tab", "shift+Tab", "Return", "Escape", "space", "BackSpace", "Up", "Down"]
ACCESS_KEYS = ["alt+x", "alt+b", "alt+f", "alt+h", "alt+d", "alt+o", "alt+v", "alt+u", "alt+a", "alt+e"]
EDIT_KEYS = ["ctrl+v", "ctrl+c", "ctrl+x", "ctrl+z", "ctrl+a", "shift+Insert", "Menu"]
PNG = subprocess.run(["convert", "-size", "8x8", "xc:blue", "png:-"], capture_output=True, check=True).stdout
HOLDINGS = [(None, None), (b"Will it? 42 \xc2\xbd", "UTF8_STRING"), (PNG, "image/png")]
HELD_KEYS = ["Return", "KP_Enter", "space", "Tab", "a"]
QUESTION_WIDTH = 518  # the question window's client area
SILVER = (192, 192, 192)  # Get My Answer's face


class MonkeyEvents:
    """The monkey's hand: one random event at a time into one copy's windows, each logged."""

    def __init__(self, desktop, log, seed):
        self.desktop, self.log, self.rng = desktop, log, random.Random(seed)

    def geometry(self, wid):
        out = self.desktop.xdotool("getwindowgeometry", "--shell", wid)
        v = dict(line.split("=") for line in out.split())
        return int(v["X"]), int(v["Y"]), int(v["WIDTH"]), int(v["HEIGHT"])

    def get_my_answer(self, x, y, w, h):
        """The middle of Get My Answer, where it is drawn now: the silver face of the question
        window's lower half (a menu bar above may share the colour); None when it is hidden."""
        top = y + h // 2
        rows = decode_ppm(self.desktop.grab(x, top, w, y + h - top))
        silver = [(px, py) for py, row in enumerate(rows) for px, colour in enumerate(row) if colour == SILVER]
        if not silver:
            return None
        xs, ys = [p[0] for p in silver], [p[1] for p in silver]
        return x + (min(xs) + max(xs)) // 2, top + (min(ys) + max(ys)) // 2

    def one(self, program, n):
        d, rng = self.desktop, self.rng
        kind = rng.random()
        try:
            if kind < 0.45:
                windows = program.x_windows()
                if not windows:
                    return
                x, y, w, h = self.geometry(rng.choice(windows))
                px, py = x + rng.randrange(max(w, 1)), y + rng.randrange(max(h, 1))
                button = rng.choice((1, 1, 1, 1, 1, 1, 2, 3))
                self.log.write("%d click %d at %d %d\n" % (n, button, px, py))
                d.xdotool("mousemove", px, py, "click", button)
            elif kind < 0.46:
                windows = program.x_windows()
                if not windows:
                    return
                x, y, w, h = self.geometry(rng.choice(windows))
                aim = self.get_my_answer(x, y, w, h) if w == QUESTION_WIDTH and rng.random() < 0.7 else None
                if aim:
                    px, py = aim
                else:
                    px, py = x + rng.randrange(max(w, 1)), y + rng.randrange(max(h, 1))
                count, delay = rng.randint(5, 30), rng.choice((30, 60, 100))
                self.log.write("%d %d clicks at %d %d, %d ms apart\n" % (n, count, px, py, delay))
                d.xdotool("mousemove", px, py, "click", "--repeat", count, "--delay", delay, 1)
            elif kind < 0.67:
                text = "".join(rng.choice("abcxyz?. ") for _ in range(rng.randint(1, 4)))
                self.log.write("%d type %r\n" % (n, text))
                d.xdotool("type", "--delay", 1, "--", text)
            elif kind < 0.97:
                key = rng.choice(rng.choice((KEYS, KEYS, EDIT_KEYS, ACCESS_KEYS)))
                self.log.write("%d key %s\n" % (n, key))
                d.xdotool("key", key)
            elif kind < 0.975:
                key, seconds = rng.choice(HELD_KEYS), rng.uniform(1, 2.5)
                self.log.write("%d %s held %.1f s\n" % (n, key, seconds))
                d.xdotool("keydown", key)
                try:
                    time.sleep(seconds)
                finally:
                    d.xdotool("keyup", key)
            else:
                data, target = rng.choice(HOLDINGS)
                selection = rng.choice(("clipboard", "primary"))
                self.log.write("%d %s holds %s\n" % (n, selection, target))
                d.hold_selection(data, target or "UTF8_STRING", selection)
        except subprocess.CalledProcessError as error:  # a window that went away meanwhile
            self.log.write("%d (%s)\n" % (n, error.stderr.strip() if error.stderr else error))


class Monkey(DesktopCase):
    def setUp(self):
        self.log_path = os.path.abspath("monkey-events.log")
        self.log = open(self.log_path, "w", encoding="utf-8")
        self.events = MonkeyEvents(self.desktop, self.log, SEED)

    def tearDown(self):
        self.log.close()
        super().tearDown()

    def fail_with(self, what):
        self.fail("%s (seed %d; events in %s)" % (what, SEED, self.log_path))

    def check(self, program):
        d = self.desktop
        output = program.output()
        if "Sanitizer" in output or "runtime error:" in output:
            self.fail_with("sanitizer report:\n" + output[-3000:])
        if not program.running():
            return
        # A hang: the copy's event loop answers the accessibility bus; give it 5 s.
        d.Atspi.set_timeout(5000, 5000)
        deadline = time.monotonic() + 5
        while True:
            app = d.atspi_app(program.pid)
            if app is not None:
                try:
                    windows = d.children(app)
                    [d.Atspi.Component.get_extents(w, d.Atspi.CoordType.SCREEN) for w in windows]
                    break
                except Exception as error:  # noqa: BLE001
                    if "imeout" in str(error):
                        self.fail_with("no answer for 5 s")
            if not program.running():
                return
            if time.monotonic() > deadline:
                self.fail_with("no answer for 5 s")
            time.sleep(0.1)
        # A window must show (give a closing window and its successor a moment).
        deadline = time.monotonic() + 5
        while program.running() and not program.x_windows():
            if time.monotonic() > deadline:
                self.fail_with("a live copy with no window: %s" % program.describe())
            time.sleep(0.1)
        shown = program.showing_windows()
        mains = [w for w in d.children(d.atspi_app(program.pid) or d.Atspi.get_desktop(0))
                 if d.showing(w) and any(a.get_role_name() == "push button"
                                         and a.get_name() in ("Get My Answer", "Back")
                                         and d.showing(a) for a in d.descendants(w))]
        if len(mains) > 1:
            self.fail_with("question and result windows at once: %s" % shown)

    def test_random_input_never_breaks_the_program(self):
        d = self.desktop
        program, _ = self.start_main()
        restarts = 0
        for n in range(EVENTS):
            if not program.running():
                code = program.wait_exit()
                self.check(program)
                if code != 0:
                    self.fail_with("the copy ended with %s:\n%s" % (code, program.output()[-3000:]))
                self.log.write("%d ended by Exit; started again\n" % n)
                restarts += 1
                program, _ = self.start_main()
            self.events.one(program, n)
            if n % CHECK_EVERY == CHECK_EVERY - 1:
                self.log.flush()
                self.check(program)
        self.check(program)
        sys.stderr.write("monkey: %d events, seed %d, %d exits and restarts, %d pages opened\n"
                         % (EVENTS, SEED, restarts, len(d.site.requests)))


if __name__ == "__main__":
    unittest.main()
