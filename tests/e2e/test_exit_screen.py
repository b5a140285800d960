"""Closing either main window shows the exit screen above everything; E&xit ends the program."""

import subprocess
import time
import unittest

from e2e_case import DesktopCase, wait_for


class ExitScreen(DesktopCase):
    def check_exit_screen_on_top(self, program, other_id, active=None):
        d = self.desktop
        screen = self.exit_screen(program)
        ids = wait_for(lambda: len(program.x_windows()) == 1 and program.x_windows(), 5)
        self.assertEqual(len(ids), 1, program.showing_windows())
        self.assertIn("_NET_WM_STATE_ABOVE", d.window_state(ids[0]))
        stack = d.stacking()
        self.assertGreater(stack.index(ids[0]), stack.index(other_id))
        if active is not None:
            self.assertEqual(d.active_window(), active)  # it did not take the focus
        return screen, ids[0]

    def other_window(self):
        d = self.desktop
        other = d._spawn(["xmessage", "-title", "another-program", "-geometry", "1000x800+0+0", "another program"])
        wid = wait_for(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^another-program$"],
                                              env=d.env, capture_output=True, text=True).stdout.split(), 10)
        return other, int(wid[0])

    def test_closing_the_question_window(self):
        d = self.desktop
        program, main = self.start_main()
        other, other_id = self.other_window()
        d.xdotool("windowactivate", "--sync", other_id)
        # File > Exit of the question window while another program is active, pressed
        # through the accessibility tree so that nothing activates our window first.
        exit_item = next(a for a in d.descendants(main) if a.get_role_name() == "menu item"
                         and a.get_name() == "Exit")
        d.Atspi.Action.do_action(exit_item, 0)
        screen, screen_id = self.check_exit_screen_on_top(program, other_id, active=other_id)
        appeal = [a.get_name() for a in d.descendants(screen) if a.get_role_name() == "label"
                  and "www." in a.get_name() and len(a.get_name()) > 150]
        self.assertEqual(len(appeal), 1)
        self.press(screen, "Exit")
        self.assertEqual(program.wait_exit(), 0)
        self.assertEqual(program.x_windows(), [])
        other.kill()

    def test_closing_the_result_window_with_its_close_box(self):
        d = self.desktop
        program, main = self.start_main()
        d.click(d.find(main, "text"))
        d.type("Close box?")
        self.press(main, "Get My Answer")
        result = program.window_containing("label", "Answer Is")
        other, other_id = self.other_window()
        result_id = program.x_windows()[0]
        d.xdotool("windowactivate", "--sync", result_id)
        d.key("alt+F4")  # the window manager's close
        screen, screen_id = self.check_exit_screen_on_top(program, other_id)
        # Its access key works once the person clicks it.
        x, y, w, h = d.extents(screen)
        d.click_at(x + w - 20, y + 20)  # an empty spot of the window
        d.key("alt+x")
        self.assertEqual(program.wait_exit(), 0)
        other.kill()


if __name__ == "__main__":
    unittest.main()
