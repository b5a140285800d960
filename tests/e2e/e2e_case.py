"""Shared set-up of the end-to-end scenarios: one private desktop per test module."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from harness import BINARY, CAPTION, Desktop, wait_for  # noqa: E402,F401


class DesktopCase(unittest.TestCase):
    SCREEN = "1280x1024x24"

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(BINARY, screen=cls.SCREEN)

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def tearDown(self):
        for program in self.desktop.programs:
            program.kill()
        # A sanitizer build reports memory errors on the program's output.
        for program in self.desktop.programs:
            self.assertNotIn("Sanitizer", program.output())
            self.assertNotIn("runtime error:", program.output())
        self.desktop.programs.clear()

    def start_main(self, **kw):
        """Starts a copy and waits for its question window."""
        program = self.desktop.start(**kw)
        window = program.window_containing("push button", "Get My Answer")
        return program, window

    def press(self, root, name):
        self.desktop.click(self.desktop.find(root, "push button", name))

    def exit_screen(self, program):
        return program.window_containing("push button", "Exit")

    def dismiss(self, box):
        """Closes a message box with its button, as a person would."""
        buttons = [a for a in self.desktop.descendants(box) if a.get_role_name() == "push button"]
        self.desktop.click(buttons[0])
