"""First start, an empty question refused, a question answered, and Back."""

import unittest

from e2e_case import CAPTION, NATIVE_WAYLAND, DesktopCase, wait_for


class QuestionAndAnswer(DesktopCase):
    def test_first_start_refusal_answer_and_back(self):
        d = self.desktop
        program, main = self.start_main()  # how soon: bench/ measures it
        x, y, w, h = d.extents(main)
        self.assertEqual(w, 518)
        self.assertGreaterEqual(h, 355)
        violet = (90, 35, 220)  # the panel, once the window is painted
        self.assertEqual(wait_for(lambda: d.pixel(x + 5, y + h - 70) == violet and violet, 5), violet)
        if not NATIVE_WAYLAND:  # where the compositor places every window
            # The whole window, title bar and edges included, centred on the screen.
            fx, fy, fw, fh = d.frame(program.main_window_shown()[0])
            sw, sh = d.screen_size()
            self.assertLessEqual(max(abs(2 * fx + fw - sw), abs(2 * fy + fh - sh)), 8, (fx, fy, fw, fh))

        # The store holds the two scrambled keys and nothing in plain words.
        with open(d.settings_file(), encoding="utf-8") as f:
            store = f.read()
        self.assertIn("[Settings]", store)
        self.assertEqual(len([line for line in store.splitlines() if "=" in line]), 2)
        self.assertNotIn("Duration", store)
        self.assertNotIn("Install", store)
        self.assertEqual(program.showing_windows(), [("frame", CAPTION)])

        # Empty: refused with the message, nothing else happens.
        self.press(main, "Get My Answer")
        box, texts = program.message_box()
        self.assertEqual(texts, ["Plese Enter Your Question"])
        # A click on the window it blocks leaves the box in front, with the keys; a native
        # Wayland client of Qt 6.4 cannot get the keys back for it: it is pressed with the
        # mouse there.
        d.click_at(x + 5, y + h - 70)
        box_id, main_id = program.x_windows(), program.main_window_shown()
        stack = d.stacking()
        self.assertGreater(min(stack.index(i) for i in box_id if i not in main_id), stack.index(main_id[0]))
        if NATIVE_WAYLAND:
            self.dismiss(box)
        else:
            d.key("Return")
        wait_for(lambda: program.current_box() is None, 5)

        # A question: the dots, then the answer (when each comes, bench/ measures).
        question = d.find(main, "text")
        d.click(question)
        d.type("Will it snow tomorrow?")
        self.press(main, "Get My Answer")
        d.find(main, "label", "Please Wait", timeout=2)
        self.assertEqual(len(program.showing_windows()), 1)  # the question window, waiting
        result = program.window_containing("label", "Answer Is")
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
