"""First start, an empty question refused, a question answered, and Back."""

import os
import time
import unittest

from e2e_case import CAPTION, DesktopCase, wait_for


class QuestionAndAnswer(DesktopCase):
    def test_first_start_refusal_answer_and_back(self):
        d = self.desktop
        started = time.monotonic()
        program, main = self.start_main()
        self.assertLess(time.monotonic() - started, 5)
        x, y, w, h = d.extents(main)
        self.assertEqual(w, 518)
        self.assertGreaterEqual(h, 355)
        self.assertEqual(d.pixel(x + 5, y + h - 70), (90, 35, 220))  # the violet panel

        # The store holds the two scrambled keys and nothing in plain words.
        with open(d.settings_file(), encoding="utf-8") as f:
            store = f.read()
        self.assertIn("[Settings]", store)
        self.assertEqual(len([l for l in store.splitlines() if "=" in l]), 2)
        self.assertNotIn("Duration", store)
        self.assertNotIn("Install", store)
        self.assertEqual(program.showing_windows(), [("frame", CAPTION)])

        # Empty: refused with the message, nothing else happens.
        self.press(main, "Get My Answer")
        box, texts = program.message_box()
        self.assertEqual(texts, ["Plese Enter Your Question"])
        d.key("Return")
        wait_for(lambda: program._box() is None, 5)

        # A question: the dots, then the answer about four seconds later.
        question = d.find(main, "text")
        d.click(question)
        d.type("Will it snow tomorrow?")
        self.press(main, "Get My Answer")
        asked = time.monotonic()
        d.find(main, "label", "Please Wait", timeout=2)
        result = program.window_containing("label", "Answer Is")
        elapsed = time.monotonic() - asked
        self.assertGreater(elapsed, 3.5)
        self.assertLess(elapsed, 7)
        # The answer's label, named as a screen reader announces it.
        word = [a.get_name().split()[-1] for a in d.descendants(result)
                if a.get_name() in ("Answer Is Yes", "Answer Is No")]
        self.assertEqual(len(word), 1)
        # The answer picture sits above "Answer Is" (once the new window is painted).
        lx, ly, lw, lh = d.extents(d.find(result, "label", "Answer Is"))
        colour = wait_for(lambda: d.pixel(lx + lw // 2, ly - 60) in ((255, 255, 255), (0, 0, 0))
                          and d.pixel(lx + lw // 2, ly - 60), 5)
        self.assertEqual(colour, (255, 255, 255) if word[0] == "Yes" else (0, 0, 0))
        self.assertEqual(len(program.showing_windows()), 1)

        # Back: the question window with the question still in it.
        d.key("alt+b")
        main = program.window_containing("push button", "Get My Answer")
        self.assertEqual(d.text_of(d.find(main, "text")), "Will it snow tomorrow?")
        self.assertEqual(len(program.showing_windows()), 1)


if __name__ == "__main__":
    unittest.main()
