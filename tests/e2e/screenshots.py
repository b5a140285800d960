"""Drives velmoor through its windows and saves a picture of each, the exit screen again on a
dark desktop, then every window in each of the program's other languages (in a folder of
each language's name): make screenshots."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
from harness import Desktop, translated, wait_for  # noqa: E402

TOP = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
LANGUAGES = sorted(name[len("velmoor_"):-len(".ts")] for name in os.listdir(os.path.join(TOP, "translations")))
# A dark desktop: KDE's Breeze Dark colours, as Qt's own KDE theme reads them.
BREEZE_DARK = """[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
ForegroundInactive=161,169,177
[Colors:View]
BackgroundNormal=35,38,41
ForegroundNormal=239,240,241
ForegroundInactive=161,169,177
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=239,240,241
[Colors:Tooltip]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
"""
DARK_DESKTOP = {"QT_QPA_PLATFORMTHEME": "kde", "KDE_SESSION_VERSION": "5", "QT_STYLE_OVERRIDE": "Fusion"}


def main(binary, out):
    # Every picture in the folders is made here, afresh: none is left from an older program.
    for folder in (out, *(os.path.join(out, language) for language in LANGUAGES)):
        os.makedirs(folder, exist_ok=True)
        for name in os.listdir(folder):
            if name.endswith(".png"):
                os.remove(os.path.join(folder, name))
    d = Desktop(binary)
    try:
        def x_window(acc):
            """The X window of a top-level accessible, matched by its size and place."""
            x, y, w, h = d.extents(acc)
            ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."], env=d.env,
                                 capture_output=True, text=True).stdout.split()
            for wid in ids:
                geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid], env=d.env,
                                          capture_output=True, text=True).stdout
                v = {k: int(n) for k, n in (line.split("=") for line in geometry.split()) if k != "SCREEN"}
                if (v["WIDTH"], v["HEIGHT"]) == (w, h) and abs(v["X"] - x) <= 30 and abs(v["Y"] - y) <= 30:
                    return wid
            raise AssertionError("no X window for %s" % acc.get_name())

        def shoot(acc, name, folder=out):
            time.sleep(0.4)
            path = os.path.join(folder, name + ".png")
            # -frame: with the window manager's title bar, which shows the caption.
            subprocess.run(["import", "-frame", "-window", x_window(acc), path], env=d.env, check=True)
            print("saved", path)

        def press(root, name):
            d.click(d.find(root, "push button", name))

        def shoot_box(program, name, folder=out):
            """Pictures the message box the copy shows now, then presses its OK."""
            box, _ = program.message_box()
            shoot(box, name, folder)
            d.click(d.find(box, "push button"))
            wait_for(lambda: program.current_box() is None, 5)

        program = d.start()
        main_window = program.window_containing("push button", "Get My Answer")
        time.sleep(1.2)  # the squares show after one second
        shoot(main_window, "question-window")

        press(main_window, "Get My Answer")
        shoot_box(program, "message-empty-question")

        d.key("alt+h", "a")
        about = program.window_containing("link", "Click here for more details")
        shoot(about, "about-window")
        d.key("Return")

        seen = set()
        question = d.find(main_window, "text")
        d.click(question)
        d.type("Will my plants grow?")
        while len(seen) < 2:
            press(main_window, "Get My Answer")
            if not seen:
                time.sleep(2.5)
                shoot(main_window, "please-wait")
            result = program.window_containing("label", "Answer Is")
            word = next(a.get_name().split()[-1] for a in d.descendants(result)
                        if a.get_name() in ("Answer Is Yes", "Answer Is No"))
            if word not in seen:
                seen.add(word)
                shoot(result, "result-" + word.lower())
            d.key("alt+b")
            main_window = program.window_containing("push button", "Get My Answer")

        second = d.start()
        shoot_box(second, "message-already-running")

        d.key("alt+f", "x")
        screen = program.window_containing("push button", "Exit")
        shoot(screen, "exit-screen")
        press(screen, "Refer A Friend Now")
        shoot_box(program, "message-referral")
        email = next(a for a in d.descendants(screen) if a.get_role_name() == "text"
                     and d.text_of(a) == "Your Email Address")
        d.click(email)
        d.type(" ")
        shoot_box(program, "message-space-in-email")
        press(screen, "Exit")
        program.wait_exit()

        later = d.start(days_later=15)
        box, _ = later.message_box()
        shoot(box, "message-update-reminder")
        d.click(next(a for a in d.descendants(box) if a.get_role_name() == "push button" and "No" in a.get_name()))
        later.window_containing("push button", "Get My Answer")
        later.kill()

        os.remove(d.settings_file())  # a first start: no reminder
        kdeglobals = os.path.join(d.home, ".config", "kdeglobals")
        with open(kdeglobals, "w", encoding="utf-8") as f:
            f.write(BREEZE_DARK)
        dark = d.start(env=DARK_DESKTOP, expected_output=["qt.qpa.theme", "DBus", "KDE setting"])
        dark.window_containing("push button", "Get My Answer")
        d.key("alt+f", "x")
        shoot(dark.window_containing("push button", "Exit"), "exit-screen-dark")
        dark.kill()
        os.remove(kdeglobals)

        for language in LANGUAGES:
            shoot_language(d, language, os.path.join(out, language), shoot, shoot_box)
    finally:
        d.close()


def appeal_of(d, screen):
    """The appeal the exit screen shows: the one text that names the forum and is no link."""
    return next(a.get_name() for a in d.descendants(screen)
                if a.get_role_name() not in ("link", "check box") and "velmoor-forum" in a.get_name())


def shoot_language(d, language, folder, shoot, shoot_box):
    """Every window, the "Please Wait" panel, each appeal of the exit screen and every
    message box, in `language`."""
    def tr(source, context=None):
        return translated(language, source, context)

    def choose(window, menu, command):
        d.click(d.find(window, "menu item", tr(menu)))
        d.click(d.find(program.app(), "menu item", tr(command)))

    if os.path.exists(d.settings_file()):  # a first start: no reminder yet
        os.remove(d.settings_file())
    program = d.start(env={"LANGUAGE": language})
    main_window = program.window_containing("push button", tr("Get My Answer"))
    time.sleep(1.2)
    shoot(main_window, "question-window", folder)
    d.click(d.find(main_window, "push button", tr("Get My Answer")))
    shoot_box(program, "message-empty-question", folder)
    choose(main_window, "&Help", "&About Software")
    about = program.window_containing("link", tr("Click here for more details"))
    shoot(about, "about-window", folder)
    d.key("Return")
    d.click(d.find(main_window, "text"))
    d.type("?")
    d.click(d.find(main_window, "push button", tr("Get My Answer")))
    time.sleep(2.5)
    shoot(main_window, "please-wait", folder)
    result = program.window_containing("label", tr("Answer Is"))
    shoot(result, "result-window", folder)
    choose(result, "&File", "E&xit")
    screen = program.window_containing("push button", tr("E&xit"))
    appeals = {appeal_of(d, screen)}
    shoot(screen, "exit-screen", folder)
    # The exit screen's boxes: the form refused, a space typed, one address twice.
    refer = tr("Refer A Friend &Now")
    d.click(d.find(screen, "push button", refer))
    shoot_box(program, "message-referral", folder)
    fields = [a for a in d.descendants(screen) if a.get_role_name() == "text"]
    email, friend = (next(a for a in fields if d.text_of(a) == tr(prompt))
                     for prompt in ("Your Email Address", "Friend's Email Address"))
    d.click(email)
    d.type(" ")
    shoot_box(program, "message-space-in-email", folder)
    for field in (email, friend):
        d.click(field)
        d.type("ann@example.org")
    d.click(d.find(screen, "push button", refer))
    shoot_box(program, "message-distinct-addresses", folder)
    shoot_box(d.start(env={"LANGUAGE": language}), "message-already-running", folder)
    d.click(d.find(screen, "push button", tr("E&xit")))
    program.wait_exit()

    # Each of the four appeals, drawn afresh at each start (a dozen starts at most).
    for _ in range(12):
        if len(appeals) == 4:
            break
        program = d.start(env={"LANGUAGE": language})
        choose(program.window_containing("push button", tr("Get My Answer")), "&File", "E&xit")
        screen = program.window_containing("push button", tr("E&xit"))
        appeal = appeal_of(d, screen)
        if appeal not in appeals:
            appeals.add(appeal)
            shoot(screen, "exit-screen-appeal-%d" % len(appeals), folder)
        d.click(d.find(screen, "push button", tr("E&xit")))
        program.wait_exit()

    later = d.start(days_later=15, env={"LANGUAGE": language})
    box, _ = later.message_box()
    shoot(box, "message-update-reminder", folder)
    d.click(d.find(box, "push button", tr("&No", "QPlatformTheme")))
    later.window_containing("push button", tr("Get My Answer"))
    later.kill()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
