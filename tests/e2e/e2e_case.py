"""Shared set-up of the end-to-end scenarios: one private desktop per test module."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import BINARY, CAPTION, Desktop, wait_for  # noqa: E402,F401

# The desktop the scenarios run on: Xvfb with openbox, or (VELMOOR_E2E_DESKTOP=gnome) GNOME
# Shell on Wayland; there VELMOOR_E2E_PLATFORM=wayland runs the program as a native Wayland
# client rather than through Xwayland.
GNOME = os.environ.get("VELMOOR_E2E_DESKTOP") == "gnome"
NATIVE_WAYLAND = os.environ.get("VELMOOR_E2E_PLATFORM") == "wayland"


class DesktopCase(unittest.TestCase):
    SCREEN = "1280x1024x24"

    @classmethod
    def setUpClass(cls):
        if GNOME:
            from gnome_shell import GnomeShellDesktop
            cls.desktop = GnomeShellDesktop(BINARY, native_wayland=NATIVE_WAYLAND)
        else:
            cls.desktop = Desktop(BINARY, screen=cls.SCREEN)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def tearDown(self):
        for program in self.desktop.programs:
            program.kill()
        # Every copy's whole run, whatever windows and boxes it went through, said nothing
        # (a sanitizer build reports memory errors there too; Qt its warnings).
        programs, self.desktop.programs = self.desktop.programs, []
        for program in programs:
            self.assertEqual(program.unexpected_output(), [], "the program said something")

    def start_main(self, button="Get My Answer", **kw):
        """Starts a copy and waits for its question window (the one with `button`), and for
        the window manager to give it the focus (keys sent before then go nowhere)."""
        d = self.desktop
        program = d.start(**kw)
        window = program.window_containing("push button", button)
        # A window manager that declines to focus a new window is helped by activating
        # it, as a person would by clicking it.
        started = time.monotonic()
        activated = False
        while not program.has_focus():
            waited = time.monotonic() - started
            if waited > 30:
                self.fail("the question window never got the focus: %s" % program.describe())
            if waited > 5 and not activated and program.x_windows():
                print("note: activating the question window (%s)" % program.describe(), file=sys.stderr)
                d.activate(program.x_windows()[0])
                activated = True
            time.sleep(0.05)
        if time.monotonic() - started > 1:
            print("note: the question window took %.1f s to get the focus" % (time.monotonic() - started),
                  file=sys.stderr)
        return program, window

    def press(self, root, name):
        self.desktop.click(self.desktop.find(root, "push button", name))

    def exit_screen(self, program):
        return program.window_containing("push button", "Exit")

    def dismiss(self, box):
        """Closes a message box with its button, as a person would."""
        buttons = [a for a in self.desktop.descendants(box) if a.get_role_name() == "push button"]
        self.desktop.click(buttons[0])
