"""Every link and menu command reaches the site as exactly its page key, once per click."""

import unittest

from e2e_case import DesktopCase, wait_for


class Links(DesktopCase):
    def expect(self, action, key):
        d = self.desktop
        before = len(d.site.pages())
        action()
        pages = d.wait_pages(before + 1)
        self.assertEqual(pages[before:], [key])

    def assertAboutClosed(self, program):
        d = self.desktop
        wait_for(lambda: not any(a.get_name() == "Click here for more details" and d.showing(a)
                                 for a in d.descendants(program.app())), 5, message="the about window stayed")

    def link(self, window, starts):
        d = self.desktop

        def wanted(a):
            try:
                return a.get_role_name() == "link" and a.get_name().startswith(starts) and d.showing(a)
            except Exception:  # an object that went while the tree was read
                return False
        return next(a for a in d.descendants(window) if wanted(a))

    def menu(self, *keys):
        return lambda: self.desktop.key(*keys)

    def links_of_a_main_window(self, window, update_key):
        d = self.desktop
        self.expect(lambda: d.click(self.link(window, "The most popular")), "home-page")
        promo = next(a for a in d.descendants(window) if a.get_role_name() == "link" and d.showing(a)
                     and a.get_name().split(" ")[0] in ("Co-brand", "Home"))
        key = "co-brand" if promo.get_name().startswith("Co-brand") else "fully-branded"
        self.expect(lambda: d.click(promo), key)
        self.expect(self.menu("alt+h", "o"), "help-web-page")
        self.expect(self.menu("alt+h", "v"), "home-page")
        self.expect(self.menu("alt+h", update_key), "download-web-page")
        self.expect(self.menu("alt+d"), "donate")

    def test_every_link(self):
        d = self.desktop
        program, main = self.start_main()
        self.links_of_a_main_window(main, "u")
        self.expect(lambda: d.click(d.find(main, "link", "Enter Your Question")), "fully-branded")

        # The about window, from the Help menu: modal, both links, and it stays open.
        d.key("alt+h", "a")
        about = program.window_containing("link", "Click here for more details")
        d.click(d.find(main, "push button", "Get My Answer"))
        self.assertIsNone(program.current_box())  # the question window takes no input meanwhile
        self.expect(lambda: d.click(d.find(about, "link", "Click here for more details")), "fully-branded")
        self.expect(lambda: d.click(self.link(about, "Visit us at")), "home-page")
        d.key("Return")
        self.assertAboutClosed(program)

        # The result window carries the same links.
        d.click(d.find(main, "text"))
        d.type("Links?")
        self.press(main, "Get My Answer")
        result = program.window_containing("label", "Answer Is")
        self.links_of_a_main_window(result, "c")
        d.key("alt+h", "a")
        program.window_containing("link", "Click here for more details")
        d.key("Escape")
        self.assertAboutClosed(program)
        self.assertTrue(self.link(result, "Co-brand"))  # always the co-brand offer here

        # The exit screen: the forum check box and the publisher's other programs.
        d.key("alt+e")
        screen = self.exit_screen(program)
        check = self.link(screen, "Visit ")
        self.expect(lambda: d.click(check), "home-page")
        self.expect(lambda: d.click(check), "home-page")
        self.expect(lambda: d.click(d.find(screen, "link", "Click Here To Visit Quennet Softwares")),
                    "quennetsoftwares")
        # Every address the browser got was a complete page address and nothing more.
        for address in d.browser_addresses():
            self.assertRegex(address, r"^https://[^/]+/velmoor/ssd\.php\?page=[a-z-]+$")


if __name__ == "__main__":
    unittest.main()
