"""Refer a friend from the exit screen: every refusal in its order, then tricky values that
reach the site's query parser exactly, trimmed."""

import subprocess
import unittest

from e2e_case import DesktopCase, wait_for


class Referral(DesktopCase):
    def setUp(self):
        self.desktop.site.requests.clear()
        open(self.desktop.browser_log, "w").close()

    def field(self, screen, content):
        d = self.desktop
        return next(a for a in d.descendants(screen) if a.get_role_name() == "text" and d.text_of(a) == content)

    def submit_expecting(self, program, screen, message):
        self.press(screen, "Refer A Friend Now")
        box, texts = program.message_box()
        self.assertEqual(texts, [message])
        self.dismiss(box)
        wait_for(lambda: program.current_box() is None, 5)

    def replace_text(self, field, text):
        d = self.desktop
        d.click(field)
        d.key("ctrl+a", "BackSpace")
        d.type(text)

    def test_refusals_then_a_referral(self):
        d = self.desktop
        program, main = self.start_main()
        d.key("alt+f", "x")
        screen = self.exit_screen(program)
        name = self.field(screen, "Your Name")
        email = self.field(screen, "Your Email Address")
        friend_name = self.field(screen, "Friend's Name")
        friend_email = self.field(screen, "Friend's Email Address")

        self.submit_expecting(program, screen, "Please Enter Proper Email Address")
        d.click(email)
        self.assertEqual(d.text_of(email), "")  # the prompt clears on entry
        d.type("ann@home.example")
        d.click(friend_email)
        d.type("ann@home.example")
        self.submit_expecting(program, screen, "Please Enter Distinct Email Addresses")
        self.replace_text(friend_email, "cy+1%@work")
        self.submit_expecting(program, screen, "Please Enter Proper Email Address")
        d.click(friend_email)
        d.key("End")
        d.type(".example")
        self.submit_expecting(program, screen, "Please Enter Your Name")

        # A space typed into an e-mail field is refused, once per keystroke.
        d.click(email)
        d.key("End")
        d.type(" ")
        box, texts = program.message_box()
        self.assertEqual(texts, ["Email Address Cannot Contain Space"])
        self.dismiss(box)
        self.assertEqual(d.text_of(email), "ann@home.example")

        d.click(name)
        d.enter(name, "  Ann & Bob=1 Zoë ")
        self.submit_expecting(program, screen, "Please Enter Your Friend's Name")
        d.click(friend_name)
        d.enter(friend_name, "Bo Ωψ 李")
        self.press(screen, "Refer A Friend Now")
        d.wait_pages(1)
        query = d.site.requests[-1]["query"]
        self.assertEqual(query, {
            "page": ["tovr-refer-a-friend"],
            "taf1": ["Ann & Bob=1 Zoë"],
            "taf2": ["ann@home.example"],
            "taf3": ["Your Message\r\n"],
            "taf4": ["Bo Ωψ 李"],
            "taf5": ["cy+1%@work.example"],
            "taf6": [d.browser_addresses()[-1].split("/velmoor/ssd.php")[0] + "/velmoor/"],
        })
        self.assertEqual(list(query), ["page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"])

        # Into the hidden message field by Tab, emptied and left: its prompt comes back,
        # and the referral is refused for it.
        d.click(friend_name)
        d.key("Tab", "ctrl+a", "BackSpace", "shift+Tab")
        self.submit_expecting(program, screen, "Please Enter Your Message")
        self.assertEqual(len(d.site.requests), 1)

    def test_whatever_the_clipboard_holds_the_fields_take_only_text(self):
        """Ctrl+V, Shift+Insert, the context menu and middle-click in the question field and
        in the exit screen's single- and multi-line fields, from a clipboard that is empty,
        whose owner has gone, or that holds only an image or only rich text: nothing arrives
        and the program goes on. Text arrives, megabytes of it too."""
        d = self.desktop
        png = subprocess.run(["convert", "-size", "8x8", "xc:red", "png:-"], capture_output=True, check=True).stdout
        nothing = [(None, None), (png, "image/png"), (b"<b>bold</b>", "text/html")]
        program, main = self.start_main()
        question = d.find(main, "text")

        def unchanged_by_anything_but_text(field):
            before = d.text_of(field)
            for data, target in nothing:
                d.hold_selection(data, target)
                d.hold_selection(data, target, "primary")
                d.key("ctrl+v", "shift+Insert")
                if d.showing(field):  # the message field lies hidden below its panel
                    d.click_at(*d.centre(field), button=2)
                self.assertTrue(program.running(), "ended by a paste of %s" % target)
                self.assertEqual(d.text_of(field), before, target)
        d.hold_selection(b"bye")  # a copy from a program that then ends
        unchanged_by_anything_but_text(question)

        d.hold_selection("Will it rain? ½".encode())
        d.key("ctrl+v", "Menu", "p")  # the context menu's Paste
        self.assertEqual(d.text_of(question), "Will it rain? ½" * 2)
        d.hold_selection(b"x" * 3_000_000, selection="primary")  # one word, megabytes long
        d.click_at(*d.centre(question), button=2)
        wait_for(lambda: d.Atspi.Text.get_character_count(question) == 3_000_030, 20)

        d.key("alt+f", "x")
        screen = self.exit_screen(program)
        email = self.field(screen, "Your Email Address")
        d.click(email)
        unchanged_by_anything_but_text(email)
        # What a paste brings is not looked at as typing is: a space gets in, as it may.
        d.hold_selection(b"ann @home.example")
        d.key("ctrl+v")
        self.assertEqual(d.text_of(email), "ann @home.example")
        d.click(self.field(screen, "Friend's Name"))
        d.key("Tab")  # into the message field, hidden below the panel
        message = next(a for a in d.descendants(screen) if a.get_role_name() == "text"
                       and d.text_of(a).startswith("Your Message"))
        unchanged_by_anything_but_text(message)
        self.assertEqual(program.current_box(), None)

    def test_a_long_referral_is_sent_whole_or_refused_whole(self):
        d = self.desktop
        program, main = self.start_main()
        d.key("alt+f", "x")
        screen = self.exit_screen(program)
        name = self.field(screen, "Your Name")
        d.paste(self.field(screen, "Your Email Address"), "ann@home.example")
        d.paste(self.field(screen, "Friend's Email Address"), "bob@work.example")
        d.paste(self.field(screen, "Friend's Name"), "Bob")
        d.paste(name, "N")
        self.press(screen, "Refer A Friend Now")
        d.wait_pages(1)
        fits = 32000 - len(d.browser_addresses()[-1]) + 1  # the longest name that fits

        # Pasted past what a single-line field held by default, kept whole, refused whole.
        d.paste(name, "N" * 40000)
        self.assertEqual(d.Atspi.Text.get_character_count(name), 40000)
        self.press(screen, "Refer A Friend Now")
        box, texts = program.message_box()
        self.assertTrue(texts[0].startswith("This referral is too long to send"), texts)
        self.assertIn("at most 32,000 characters", texts[0])  # as the tests' locale (C.UTF-8) groups it
        self.dismiss(box)
        wait_for(lambda: program.current_box() is None, 5)
        d.paste(name, "N" * (fits + 1))
        self.press(screen, "Refer A Friend Now")
        self.dismiss(program.message_box()[0])
        wait_for(lambda: program.current_box() is None, 5)

        d.paste(name, "N" * fits)
        self.press(screen, "Refer A Friend Now")
        pages = d.wait_pages(2)
        self.assertEqual(len(pages), 2)
        self.assertEqual(len(d.browser_addresses()[-1]), 32000)
        self.assertEqual(d.site.requests[-1]["query"]["taf1"], ["N" * fits])


if __name__ == "__main__":
    unittest.main()
