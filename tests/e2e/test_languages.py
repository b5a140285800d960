"""Velmoor in German and in Arabic, as a person with that desktop language meets it: its
own texts and Qt's translated, a referral judged against the prompts shown, and in Arabic
every window mirrored."""

import os
import unittest

from e2e_case import DesktopCase, wait_for
from harness import translated


class Languages(DesktopCase):
    def run_in(self, language, wanted=None):
        """`wanted` is the user's LANGUAGE, by default the language alone."""
        d = self.desktop
        if os.path.exists(d.settings_file()):
            os.remove(d.settings_file())

        def tr(source, context=None):
            return translated(language, source, context)

        program, main = self.start_main(button=tr("Get My Answer"), env={"LANGUAGE": wanted or language})
        names = {a.get_name() for a in d.descendants(main)}
        for text in ("&File", "&Help", "Enter Your Question"):
            self.assertIn(tr(text), names)
        # The menu bar from the right in a right-to-left language.
        file_x, help_x = (d.extents(d.find(main, "menu item", tr(title)))[0] for title in ("&File", "&Help"))
        right_to_left = file_x > help_x
        # A text field's scroll bar on its reading end's side, mirrored once, by Qt.
        field, bar = d.extents(d.find(main, "text")), d.extents(d.find(main, "scroll bar"))
        self.assertEqual(bar[0] < field[0] + field[2] / 2, right_to_left)
        self.press(main, tr("Get My Answer"))
        box, texts = program.message_box()
        self.assertEqual(texts, [tr("Plese Enter Your Question")])
        self.dismiss(box)
        wait_for(lambda: program.current_box() is None, 5)

        # The exit screen: the e-mail addresses given, the names left at their prompts.
        d.click(d.find(main, "menu item", tr("&File")))
        d.click(d.find(program.app(), "menu item", tr("E&xit")))
        screen = program.window_containing("push button", tr("E&xit"))
        fields = {d.text_of(a): a for a in d.descendants(screen) if a.get_role_name() == "text"}
        for prompt, address in (("Your Email Address", "ann@home.example"),
                                ("Friend's Email Address", "bo@work.example")):
            d.click(fields[tr(prompt)])
            d.type(address)
        self.press(screen, tr("Refer A Friend &Now"))
        box, texts = program.message_box()
        self.assertEqual(texts, [tr("Please Enter Your Name")])
        self.dismiss(box)
        self.assertEqual(d.browser_addresses(), [])
        mirrored = self.mirrored(screen, tr("E&xit"), tr("Refer A Friend &Now"))
        self.assertEqual(mirrored, right_to_left)
        self.press(screen, tr("E&xit"))
        program.wait_exit()

        # Qt's own buttons, in the update reminder.
        later = d.start(days_later=15, env={"LANGUAGE": language})
        box, _ = later.message_box()
        buttons = {a.get_name() for a in d.descendants(box) if a.get_role_name() == "push button"}
        self.assertEqual(buttons, {tr("&Yes", "QPlatformTheme"), tr("&No", "QPlatformTheme")})
        d.click(d.find(box, "push button", tr("&No", "QPlatformTheme")))
        later.window_containing("push button", tr("Get My Answer"))
        return mirrored

    def mirrored(self, screen, close, refer):
        """Whether the exit screen's Exit button, designed to the right of the referral
        button, stands to its left."""
        d = self.desktop
        return d.extents(d.find(screen, "push button", close))[0] < d.extents(d.find(screen, "push button", refer))[0]

    def test_german(self):
        # After a language nobody knows, as a person may have listed one.
        self.assertFalse(self.run_in("de", wanted="xx:de"))

    def test_arabic(self):
        self.assertTrue(self.run_in("ar"))


if __name__ == "__main__":
    unittest.main()
