"""The Windows build under Wine, driven from outside (Wine has no accessibility bridge):
xdotool for input, X window titles and sizes, screenshot pixels, the registry through
`wine reg`, and the recording browser that Wine's own browser hand-off reaches.

    test_windows.py VERSION [--screenshots]"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

TOP = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
VERSION = sys.argv.pop(1)
SCREENSHOTS = "--screenshots" in sys.argv
if SCREENSHOTS:
    sys.argv.remove("--screenshots")
DIST = os.path.join(TOP, "dist", "velmoor-%s-win64" % VERSION)
EXE = os.path.join(DIST, "velmoor.exe")
SETUP = os.path.join(TOP, "dist", "velmoor-%s-setup.exe" % VERSION)
os.environ["VELMOOR_CAPTION"] = "Velmoor v" + VERSION
sys.path.insert(0, os.path.join(TOP, "tests", "e2e"))
from harness import CAPTION, Desktop, wait_for  # noqa: E402

SETTINGS_KEY = r"HKCU\Software\VB and VBA Program Settings\velmoor\Settings"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmoor"
MENU_FREE = {"main": (518, 355), "result": (578, 378), "exit": (741, 315)}  # client areas


class Windows(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(EXE, launcher=["wine"])

    @classmethod
    def tearDownClass(cls):
        cls.desktop.close()

    def tearDown(self):
        for program in self.desktop.programs:  # each the Windows program's own process
            program.kill()

    # --- what is on screen -------------------------------------------------------------
    def windows(self, name):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % name],
                             env=self.desktop.env, capture_output=True, text=True)
        return [int(w) for w in out.stdout.split()]

    def geometry(self, wid):
        out = self.desktop.xdotool("getwindowgeometry", "--shell", wid)
        v = dict(line.split("=") for line in out.split())
        return int(v["X"]), int(v["Y"]), int(v["WIDTH"]), int(v["HEIGHT"])

    def settled_geometry(self, wid):
        """The window's geometry once it stays put (a new window is placed once more when
        its frame is known)."""
        seen = [self.geometry(wid)]

        def still():
            time.sleep(0.3)
            seen.append(self.geometry(wid))
            return seen[-1] == seen[-2] and seen[-1]
        return wait_for(still, 10)

    def window_of_size(self, kind, timeout=30):
        """The visible window with the program's caption and this kind's client width."""
        width = MENU_FREE[kind][0]

        def find():
            return next((w for w in self.windows(CAPTION) if self.geometry(w)[2] == width), None)
        try:
            return wait_for(find, timeout, interval=0.1)
        except AssertionError:
            picture = os.path.join(tempfile.gettempdir(), "velmoor-windows-%s.png" % kind)
            self.desktop.screenshot(picture)
            raise AssertionError("no %s window; the screen is in %s" % (kind, picture)) from None

    def shoot(self, wid, name):
        if SCREENSHOTS:
            out = os.path.join(TOP, "docs", "screenshots", "windows")
            os.makedirs(out, exist_ok=True)
            time.sleep(0.5)  # let the window finish painting before the picture
            subprocess.run(["import", "-frame", "-window", str(wid), os.path.join(out, name + ".png")],
                           env=self.desktop.env, check=True)

    def registry(self, key, env=None):
        """The exit code of `reg query` and the values under the key."""
        out = subprocess.run(["wine", "reg", "query", key], env=env or self.desktop.env, capture_output=True,
                             text=True)
        values = {}
        for line in out.stdout.splitlines():
            parts = line.strip().split("    ")
            if len(parts) == 3 and parts[1].startswith("REG_"):
                values[parts[0]] = parts[2]
        return out.returncode, values

    # --- the program ---------------------------------------------------------------------
    def test_version_on_the_command_line(self):
        out = subprocess.run(["wine", EXE, "--version"], env=self.desktop.env, capture_output=True, text=True,
                             timeout=60)
        self.assertEqual((out.returncode, out.stdout.strip()), (0, "velmoor " + VERSION))

    def test_the_packaged_program(self):
        d = self.desktop
        subprocess.run(["wine", "reg", "delete", r"HKCU\Software\VB and VBA Program Settings\velmoor", "/f"],
                       env=d.env, capture_output=True)
        program = d.start()
        main = self.window_of_size("main")
        x, y, w, h = self.settled_geometry(main)
        self.assertEqual((w, h - MENU_FREE["main"][1] > 10), (518, True))  # and a menu bar above
        menu = h - MENU_FREE["main"][1]
        # The first start's two values, scrambled: "Install" 1 and "Duration" today.
        code, values = self.registry(SETTINGS_KEY)
        self.assertEqual(code, 0)
        self.assertEqual(sorted(values), ["M~{j}rxw", "Rw|}juu"])
        self.assertEqual(values["Rw|}juu"], ":")
        time.sleep(1.2)  # the squares blink on after a second
        self.shoot(main, "question-window")

        # A question, answered about four seconds later.
        d.xdotool("windowactivate", "--sync", main)
        d.xdotool("mousemove", "--sync", x + 250, y + menu + 150, "click", 1)  # the question
        d.xdotool("type", "--delay", 20, "Will it rain?")
        # Get My Answer with the mouse: Wine takes the click once the pointer has rested on
        # the button for a moment.
        # (The window's y is where Wine puts the top of the area below the menu bar; the
        # button sits in Frame1, at 1, 40.)
        button = (x + 1 + 144 + 112, y + 40 + 219 + 16)
        self.assertEqual(d.pixel(*button), (192, 192, 192))  # its silver face
        d.xdotool("mousemove", "--sync", *button)
        time.sleep(0.3)
        d.xdotool("click", 1)
        asked = time.monotonic()
        result = self.window_of_size("result", timeout=15)
        elapsed = time.monotonic() - asked
        self.assertGreater(elapsed, 3.5)
        self.assertLess(elapsed, 9)
        rx, ry, rw, rh = self.geometry(result)
        square = wait_for(lambda: d.pixel(rx + 289, ry + (rh - MENU_FREE["result"][1]) + 122)
                          in ((255, 255, 255), (0, 0, 0)) and d.pixel(rx + 289, ry + (rh - 378) + 122), 5)
        self.assertIn(square, ((255, 255, 255), (0, 0, 0)))
        self.shoot(result, "result-" + ("yes" if square == (255, 255, 255) else "no"))
        self.assertEqual(self.windows(CAPTION), [result])  # the question window went away

        # A link: Help > Online Help reaches the browser with its page.
        d.xdotool("windowactivate", "--sync", result)
        d.xdotool("key", "--delay", 100, "alt+h", "o")
        self.assertEqual(d.wait_pages(1, timeout=30), ["help-web-page"])

        # A second copy is refused while the first runs, even with the program's folder of
        # local data cleared under it.
        local = subprocess.run(["wine", "cmd", "/c", "echo %LOCALAPPDATA%\\velmoor"], env=d.env,
                               capture_output=True, text=True).stdout.strip()
        shutil.rmtree(subprocess.run(["wine", "winepath", "-u", local], env=d.env, capture_output=True,
                                     text=True).stdout.strip(), ignore_errors=True)
        second = d.start()
        box = wait_for(lambda: self.windows("Velmoor"), 30, interval=0.2, message="no refusal")
        d.xdotool("windowactivate", "--sync", box[0])
        d.xdotool("key", "Return")
        self.assertEqual(second.wait_exit(30), 0)
        self.assertTrue(program.running())

        # Closing the result window shows the exit screen; E&xit ends the program.
        d.xdotool("windowactivate", "--sync", result)
        d.xdotool("key", "--delay", 100, "alt+f", "x")
        screen = self.window_of_size("exit")
        self.shoot(screen, "exit-screen")
        d.xdotool("windowactivate", "--sync", screen)
        d.xdotool("key", "alt+x")
        self.assertEqual(program.wait_exit(30), 0)
        wait_for(lambda: not self.windows(CAPTION), 10, message="a window stayed")

    def test_the_installer(self):
        prefix = tempfile.mkdtemp(prefix="velmoor-wine-")
        env = dict(self.desktop.env, WINEPREFIX=prefix)

        def wine(*args, **kw):
            return subprocess.run(["wine", *args], env=env, capture_output=True, text=True, timeout=180, **kw)
        try:
            subprocess.run(["wineboot", "--init"], env=env, capture_output=True, timeout=300)
            local = wine("cmd", "/c", "echo %LOCALAPPDATA%").stdout.strip()
            programs = wine("cmd", "/c", "echo %APPDATA%").stdout.strip()
            unix = lambda path: wine("winepath", "-u", path).stdout.strip()  # noqa: E731
            folder = unix(local + r"\Programs\Velmoor")

            # By hand: welcome, folder, progress, and the finish page, whose Run Velmoor is
            # ticked; Enter takes each page's default button.
            subprocess.Popen(["wine", SETUP], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for page in ("welcome", "folder", "finish"):
                if page == "finish":
                    wait_for(lambda: os.path.exists(os.path.join(folder, "uninstall.exe")), 60, interval=0.5)
                setup = wait_for(lambda: self.windows("Velmoor %s Setup ?" % VERSION), 60, interval=0.2)[0]
                time.sleep(1.5)  # the page drawn
                self.shoot(setup, "installer-" + page)
                self.desktop.xdotool("windowactivate", "--sync", setup)
                self.desktop.xdotool("key", "Return")
            self.window_of_size("main")
            subprocess.run(["wineserver", "-k"], env=env)
            subprocess.run(["wineserver", "-w"], env=env, timeout=30)
            if SCREENSHOTS:
                return

            # Silently, over it.
            self.assertEqual(wine(SETUP, "/S").returncode, 0)
            for name in ("velmoor.exe", "Qt6Widgets.dll", "platforms/qwindows.dll", "uninstall.exe"):
                self.assertTrue(os.path.exists(os.path.join(folder, name)), name)
            shortcut = programs + r"\Microsoft\Windows\Start Menu\Programs\Velmoor.lnk"
            self.assertTrue(os.path.exists(unix(shortcut)))
            code, values = self.registry(UNINSTALL_KEY, env)
            self.assertEqual((code, values.get("DisplayVersion")), (0, VERSION))

            # The shortcut starts the installed program.
            subprocess.Popen(["wine", "start", "/wait", shortcut], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
            self.window_of_size("main")
            subprocess.run(["wineserver", "-k"], env=env)
            subprocess.run(["wineserver", "-w"], env=env, timeout=30)

            wine(local + r"\Programs\Velmoor\uninstall.exe", "/S")
            wait_for(lambda: not os.path.exists(folder), 60, interval=0.5, message="the uninstaller left files")
            self.assertFalse(os.path.exists(unix(shortcut)))
            desktop_shortcut = wine("cmd", "/c", "echo %USERPROFILE%").stdout.strip() + r"\Desktop\Velmoor.lnk"
            self.assertFalse(os.path.exists(unix(desktop_shortcut)))  # not asked for
            self.assertNotEqual(self.registry(UNINSTALL_KEY, env)[0], 0)
        finally:
            subprocess.run(["wineserver", "-k"], env=env)
            shutil.rmtree(prefix, ignore_errors=True)


if __name__ == "__main__":
    unittest.main()
