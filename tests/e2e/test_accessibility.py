"""What a screen reader and a keyboard user get: every control named, names not shared by
controls that do different things, the wait and the answer announced, every link reached
by Tab and opened by Enter, the whole question-answer-back-exit path without a mouse, and a
visible focus on the buttons."""

import threading
import unittest

from e2e_case import CAPTION, DesktopCase, wait_for
from pixels import region, strong_changes

ACTIONABLE = {"push button", "link", "check box", "text", "menu item", "menu", "radio button"}


class Heard:
    """What an accessibility listener heard of the program."""

    def __init__(self, events, lock):
        self.events, self.lock = events, lock

    def names(self):
        """The announcements (notifications and alerts shown), in order."""
        with self.lock:
            return [name for kind, detail, role, name in self.events
                    if kind == "object:state-changed:showing" and detail == 1 and role in ("notification", "alert")]

    def before_the_answer(self, nth):
        """How many events came between the wait's end and the nth answer's announcement."""
        with self.lock:
            answers = [i for i, (kind, detail, role, name) in enumerate(self.events)
                       if detail == 1 and role == "notification" and name.startswith("Answer Is ")]
            answer = answers[nth - 1]
            wait_ends = [i for i, (kind, detail, role, name) in enumerate(self.events[:answer])
                         if detail == 0 and role == "notification" and name == "Please Wait"]
            return answer - wait_ends[-1] - 1


class Accessibility(DesktopCase):
    def controls(self, window):
        d = self.desktop
        return [a for a in d.descendants(window) if d.showing(a) and a.get_role_name() in ACTIONABLE]

    def check_names(self, window, what):
        seen = {}
        for control in self.controls(window):
            role, name = control.get_role_name(), control.get_name()
            self.assertTrue(name, "%s: a %s without a name" % (what, role))
            if role in ("menu item", "menu"):
                continue  # menus name themselves; "Exit" in two menus does the same thing
            description = control.get_description()
            self.assertNotIn(name, seen, "%s: two controls named %r (%s, %s)"
                             % (what, name, seen.get(name), description))
            seen[name] = description
        return seen

    def test_every_control_is_named_and_the_answer_is_announced(self):
        d = self.desktop
        events = []  # (type, detail, role, name): role and name read for showing only
        lock = threading.Lock()

        def on_event(event):
            entry = (event.type, event.detail1, None, None)
            if event.type == "object:state-changed:showing":
                try:
                    entry = (event.type, event.detail1, event.source.get_role_name(), event.source.get_name())
                except Exception:  # noqa: BLE001 - an object gone before it was read
                    pass
            with lock:
                events.append(entry)
        listener = d.Atspi.EventListener.new(on_event)
        for kind in ("object:", "window:"):
            listener.register(kind)  # delivered while pump() runs
        heard = Heard(events, lock)

        program, main = self.start_main()
        names = self.check_names(main, "question window")
        self.assertIn("Your question", names)
        links = [a for a in self.controls(main) if a.get_role_name() == "link"]
        self.assertGreaterEqual(len(links), 3)
        self.assertTrue(all(a.get_description() for a in links))

        d.click(d.find(main, "text"))
        d.type("Is it sunny?")
        for asked in range(1, 13):  # until both answers were heard
            self.press(main, "Get My Answer")
            result = program.window_containing("label", "Answer Is", timeout=15)
            if asked == 1:
                self.check_names(result, "result window")
            wait_for(lambda: self.pump(heard) >= asked, 5, message="no answer announced: %s" % heard.names())
            # A screen reader drops what is not focused when news floods in: nothing a window
            # off the screen does may bury the answer (the exit screen is loaded and hidden
            # at the first answer).
            self.assertLess(heard.before_the_answer(asked), 30, "the answer comes buried")
            d.key("alt+b")
            main = program.window_containing("push button", "Get My Answer")
            if {"Answer Is Yes", "Answer Is No"} <= set(heard.names()):
                break
        self.assertIn("Please Wait", heard.names())
        self.assertTrue({"Answer Is Yes", "Answer Is No"} <= set(heard.names()), heard.names())
        for kind in ("object:", "window:"):
            listener.deregister(kind)

        d.key("alt+h", "a")
        about = program.window_containing("link", "Click here for more details")
        self.assertEqual((about.get_role_name(), about.get_name()), ("dialog", CAPTION))
        self.check_names(about, "about window")
        d.key("Return")
        d.key("alt+f", "x")
        screen = self.exit_screen(program)
        self.assertEqual(screen.get_role_name(), "frame")  # a window, as the main windows are
        self.assertEqual(screen.get_name(), CAPTION)
        names = self.check_names(screen, "exit screen")
        # Each field by its prompt, whatever it holds; the forum's check box as the link it is.
        for prompt in ("Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address",
                       "Your Message"):
            self.assertIn(prompt, names)
        forum = next(a for a in self.controls(screen) if a.get_name().startswith("Visit "))
        self.assertEqual(forum.get_role_name(), "link")

    def test_the_exit_screen_after_an_answer_is_heard_and_named(self):
        """Loaded hidden at the answer, shown at the close: nothing of it is told before it
        arrives (a screen reader would keep the states it read while the window was hidden),
        its arrival is announced with its appeal, each field gets the focus named, with no
        change of its text told before; and a menu opens named."""
        d = self.desktop
        events = []  # (type, detail, source path) of this copy

        def on_event(event):
            try:
                if event.source.get_process_id() == program.pid:
                    events.append((event.type, event.detail1, event.source.path))
            except Exception:  # noqa: BLE001 - a copy that has gone
                pass
        listener = d.Atspi.EventListener.new(on_event)
        program, main = self.start_main()
        d.key("alt+h")
        self.assertTrue(d.find(program.app(), "popup menu", "Help"))
        d.key("Escape", "Escape")
        for kind in ("object:", "window:"):
            listener.register(kind)
        d.click(d.find(main, "text"))
        d.type("Is it?")
        self.press(main, "Get My Answer")
        program.window_containing("label", "Answer Is", timeout=15)
        d.key("alt+b")
        main = program.window_containing("push button", "Get My Answer")
        focused = d.Atspi.StateType.FOCUSED
        wait_for(lambda: any(a.get_state_set().contains(focused) for a in d.descendants(main)), 10,
                 message="the question window is back without the focus")
        self.pump(Heard([], threading.Lock()))
        arrived = len(events)
        d.Atspi.Action.do_action(d.find(main, "menu item", "Exit", showing=False), 0)  # File > Exit
        wait_for(lambda: len(program.showing_windows()) == 1, 10, message="the question window stays")
        screen = self.exit_screen(program)
        appeal = d.find(screen, "notification")
        self.assertTrue(appeal.get_name())
        fields = [a for a in d.descendants(screen) if a.get_role_name() == "text"]
        for _ in range(12):  # from E&xit round every field
            d.key("Tab")
        self.pump(Heard([], threading.Lock()))
        paths = {a.path for a in [screen, *d.descendants(screen)]}
        self.assertEqual([e for e in events[:arrived] if e[2] in paths and "children-changed" not in e[0]], [],
                         "the exit screen was told of before it arrived")
        told = [(kind, detail) for kind, detail, path in events[arrived:] if path in (screen.path, appeal.path)]
        self.assertIn(("object:state-changed:showing", 1), told)
        self.assertEqual(told.count(("object:state-changed:showing", 1)), 2, "arrival and appeal, once each")
        for field in fields:
            of_it = [kind for kind, detail, path in events[arrived:] if path == field.path
                     and (kind.startswith(("object:text-changed", "object:text-caret-moved"))
                          or (kind == "object:state-changed:focused" and detail))]
            self.assertTrue(of_it and of_it[0] == "object:state-changed:focused", (field.get_name(), of_it))
        self.assertEqual(len(fields), 5)
        for kind in ("object:", "window:"):
            listener.deregister(kind)

    def pump(self, heard):
        """Lets the accessibility events queued so far arrive; how many answers were heard."""
        from gi.repository import GLib
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)
        return len([h for h in heard.names() if h.startswith("Answer Is ")])

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
        # Round to the button (past the question): Enter asks.
        d.key("Tab", "Tab")
        d.key("Return")
        result = program.window_containing("label", "Answer Is", timeout=15)
        back = d.find(result, "push button", "Back")
        wait_for(lambda: back.get_state_set().contains(d.Atspi.StateType.FOCUSED), 5, message="Back is not focused")
        d.key("Return")  # Back has the focus
        program.window_containing("push button", "Get My Answer")
        d.key("alt+f", "x")
        screen = self.exit_screen(program)
        # The exit screen shows before the main window goes; ask where the focus is only once
        # the exit screen is the one window left, or the answer may be the closing main window.
        wait_for(lambda: len(program.x_windows()) == 1, 5, message="the main window stays")
        d.settle()
        # The exit screen does not take the focus by itself; Alt+Tab reaches it like any window.
        if not program.has_focus():
            d.key("alt+Tab")
        exit_button = d.find(screen, "push button", "Exit")
        try:
            wait_for(lambda: program.has_focus()
                     and exit_button.get_state_set().contains(d.Atspi.StateType.FOCUSED), 5)
        except AssertionError:
            focused = [a.get_name() for a in d.descendants(screen)
                       if a.get_state_set().contains(d.Atspi.StateType.FOCUSED)]
            self.fail("the exit screen cannot be reached: active window %s, ours %s, focused %s"
                      % (d.active_window(), program.x_windows(), focused))
        d.key("Return")  # E&xit has the focus
        self.assertEqual(program.wait_exit(), 0)

    # --- what the eye sees -------------------------------------------------------------
    def test_the_focus_is_plainly_visible(self):
        d = self.desktop
        program, main = self.start_main()
        button = d.find(main, "push button", "Get My Answer")
        link = d.find(main, "link", "Enter Your Question")
        before = {"button": region(d, button), "link": region(d, link)}
        for what, acc, keys in (("button", button, ["Tab"]), ("link", link, ["Tab", "Tab"])):
            d.key(*keys)  # from the question to the button, then past the forum strip to the link
            w, h = len(before[what][0]), len(before[what])
            # WCAG 2.2 focus appearance: an area at least as large as a 2 px perimeter whose
            # pixels change by a contrast of 3:1 or more.
            needed = 2 * (w + h) * 2 * 0.9
            wait_for(lambda: strong_changes(before[what], region(d, acc)) >= needed, 5,
                     message="%s: the focus is hard to see (%d of %d pixels)"
                     % (what, strong_changes(before[what], region(d, acc)), needed))


if __name__ == "__main__":
    unittest.main()
