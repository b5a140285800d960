"""One copy per user: a second start only says so; a killed copy does not lock anyone out."""

import signal
import unittest

from e2e_case import CAPTION, DesktopCase, wait_for


class SingleInstance(DesktopCase):
    def refused(self, program, overlapping=False):
        box, texts = program.message_box()
        self.assertEqual(texts, ["Application is already running"])
        self.assertEqual(len(program.showing_windows()), 1)  # the message box alone
        if overlapping:  # boxes of several copies share one spot: press this one's OK
            ok = self.desktop.find(box, "push button")
            self.desktop.Atspi.Action.do_action(ok, 0)
        else:
            self.dismiss(box)
        self.assertEqual(program.wait_exit(), 0)

    def test_second_copy_is_refused_and_a_killed_copy_is_taken_over(self):
        d = self.desktop
        first, main = self.start_main()
        with open(d.settings_file(), "rb") as f:
            stored = f.read()
        self.refused(d.start())
        self.assertTrue(first.running())
        self.assertTrue(first.window_containing("push button", "Get My Answer"))
        with open(d.settings_file(), "rb") as f:
            self.assertEqual(f.read(), stored)

        first.process.send_signal(signal.SIGKILL)
        first.process.wait()
        after, _ = self.start_main()
        self.assertTrue(after.running())

    def test_refusal_stands_in_front_of_the_first_copys_exit_screen(self):
        d = self.desktop
        first, main = self.start_main()
        d.key("alt+f", "x")
        self.exit_screen(first)
        second = d.start()
        second.message_box()
        box_ids = wait_for(second.x_windows, 5)

        def in_front_with_focus():
            return d.stacking()[-1:] == box_ids[-1:] and d.active_window() in box_ids
        wait_for(in_front_with_focus, 5, message="the refusal is not in front with the focus: stacking %s, "
                 "active %s, box %s" % (d.stacking(), d.active_window(), box_ids))
        self.refused(second)
        self.assertTrue(first.running())

    def test_simultaneous_starts_leave_exactly_one(self):
        d = self.desktop
        copies = [d.start() for _ in range(3)]

        def settled():
            mains = [p for p in copies if p.running() and any(
                name == CAPTION for role, name in p.showing_windows())]
            boxes = [p for p in copies if p.running() and p.current_box()]
            return (mains, boxes) if len(mains) + len(boxes) == 3 else None
        mains, boxes = wait_for(settled, 15)
        self.assertEqual(len(mains), 1)
        for program in boxes:
            self.refused(program, overlapping=True)
        self.assertTrue(mains[0].running())


if __name__ == "__main__":
    unittest.main()
