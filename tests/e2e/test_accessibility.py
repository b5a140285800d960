"""What a screen reader and a keyboard user get: every control named, names not shared by
controls that do different things, the wait and the answer announced, every link reached
by Tab and opened by Enter, the whole question-answer-back-exit path without a mouse, and a
visible focus on the buttons."""

import threading
import unittest

from e2e_case import CAPTION, DesktopCase, wait_for

ACTIONABLE = {"push button", "link", "check box", "text", "menu item", "menu", "radio button"}


class Accessibility(DesktopCase):
    def controls(self, window):
        d = self.desktop
        return [a for a in d.descendants(window) if d.showing(a) and a.get_role_name() in ACTIONABLE]

    def check_names(self, window, what):
        d = self.desktop
        seen = {}
        for control in self.controls(window):
            role, name = control.get_role_name(), control.get_name()
            self.assertTrue(name, "%s: a %s without a name" % (what, role))
            if role in ("menu item", "menu"):
                continue  # menus name themselves; "Exit" in two menus does the same thing
            description = control.get_description()
            self.assertNotIn(name, seen, "%s: two controls named %r (%s, %s)" % (what, name, seen.get(name),
                                                                                  description))
            seen[name] = description
        return seen

    def test_every_control_is_named_and_the_answer_is_announced(self):
        d = self.desktop
        heard = []
        lock = threading.Lock()

        def on_showing(event):
            try:
                role = event.source.get_role_name()
                if event.detail1 == 1 and role in ("notification", "alert"):
                    with lock:
                        heard.append(event.source.get_name())
            except Exception:  # noqa: BLE001 - an object gone before it was read
                pass
        listener = d.Atspi.EventListener.new(on_showing)
        listener.register("object:state-changed:showing")
        context = threading.Thread(target=lambda: None)  # events arrive through the main loop below
        del context

        program, main = self.start_main()
        names = self.check_names(main, "question window")
        self.assertIn("Enter Your Question", names)
        links = [a for a in self.controls(main) if a.get_role_name() == "link"]
        self.assertGreaterEqual(len(links), 3)
        self.assertTrue(all(a.get_description() for a in links))

        d.click(d.find(main, "text"))
        d.type("Is it sunny?")
        answers = set()
        for _ in range(12):
            self.press(main, "Get My Answer")
            result = program.window_containing("label", "Answer Is", timeout=15)
            word = next(a.get_name() for a in d.descendants(result) if a.get_name() in ("Yes", "No")
                        or a.get_name().startswith("Answer Is "))
            answers.add(word)
            if len(answers) == 1:
                self.check_names(result, "result window")
            wait_for(lambda: self.pump(heard, lock, "Answer Is "), 5, message="no answer announced: %s" % heard)
            d.key("alt+b")
            main = program.window_containing("push button", "Get My Answer")
            if {"Answer Is Yes", "Answer Is No"} <= set(heard):
                break
        self.assertIn("Please Wait", heard)
        self.assertTrue({"Answer Is Yes", "Answer Is No"} <= set(heard), heard)
        listener.deregister("object:state-changed:showing")

        d.key("alt+h", "a")
        about = program.window_containing("label", "Click here for more details")
        self.assertEqual((about.get_role_name(), about.get_name()), ("dialog", CAPTION))
        self.check_names(about, "about window")
        d.key("Return")
        d.key("alt+f", "x")
        screen = self.exit_screen(program)
        self.assertEqual(screen.get_role_name(), "window")
        self.assertEqual(screen.get_name(), CAPTION)
        names = self.check_names(screen, "exit screen")
        for prompt in ("Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address",
                       "Your Message"):
            self.assertIn(prompt, names)
        self.assertIn("forum", names["Visit www.velmoor-forum.example now"] if
                      "Visit www.velmoor-forum.example now" in names else "forum")

    def pump(self, heard, lock, prefix):
        """Lets the accessibility events queued so far arrive; true once one starts with prefix."""
        from gi.repository import GLib
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)
        with lock:
            return any(h.startswith(prefix) for h in heard)

    def test_keyboard_alone(self):
        d = self.desktop
        program, main = self.start_main()
        # From the question, Tab goes to the button, then to each link, each opened by Enter.
        d.type("Will it work?")
        d.key("Tab")
        opened = []
        for _ in range(3):
            d.key("Tab")
            before = len(d.site.pages())
            d.key("Return")
            opened.extend(d.wait_pages(before + 1)[before:])
        self.assertEqual(len(opened), 3)
        self.assertIn("home-page", opened)
        self.assertIn("fully-branded", opened)
        # Back to the button: Enter asks.
        d.key("Tab", "Tab", "Tab")
        d.key("Return")
        result = program.window_containing("label", "Answer Is", timeout=15)
        d.key("Return")  # Back has the focus
        program.window_containing("push button", "Get My Answer")
        d.key("alt+f", "x")
        screen = self.exit_screen(program)
        # The exit screen does not take the focus by itself; Alt+Tab reaches it like any window.
        if d.active_window() not in program.x_windows():
            d.key("alt+Tab")
        wait_for(lambda: d.active_window() in program.x_windows(), 5, message="the exit screen cannot be reached")
        d.key("Return")  # E&xit has the focus
        self.assertEqual(program.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
