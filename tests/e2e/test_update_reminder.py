"""The update reminder: quiet at the first start, due fifteen days later, quiet again after."""

import unittest

from e2e_case import DesktopCase

REMINDER = "There maybe an update to this software available\nDo you want to check for an update?"


class UpdateReminder(DesktopCase):
    def stored(self):
        with open(self.desktop.settings_file(), encoding="utf-8") as f:
            return f.read()

    def test_reminder_cycle(self):
        d = self.desktop
        first, _ = self.start_main()
        recorded = self.stored()
        first.kill()

        later = d.start(days_later=15)
        box, texts = later.message_box()
        self.assertEqual(texts, [REMINDER])
        self.assertEqual(len(later.showing_windows()), 1)  # before any window of the program
        yes = next(a for a in d.descendants(box) if a.get_role_name() == "push button" and "Yes" in a.get_name())
        d.click(yes)
        later.window_containing("push button", "Get My Answer")
        self.assertEqual(d.wait_pages(1), ["download-web-page"])
        rewritten = self.stored()
        self.assertNotEqual(rewritten, recorded)
        later.kill()

        next_day = d.start(days_later=16)
        next_day.window_containing("push button", "Get My Answer")
        self.assertIsNone(next_day.current_box())
        self.assertEqual(self.stored(), rewritten)
        self.assertEqual(d.site.pages(), ["download-web-page"])


if __name__ == "__main__":
    unittest.main()
