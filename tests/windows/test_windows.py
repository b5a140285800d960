"""The Windows build under Wine, driven from outside (Wine has no accessibility bridge):
xdotool for input, X window titles and sizes, screenshot pixels, the registry through
`wine reg`, and the recording browser that Wine's own browser hand-off reaches.

With --own-desktop every Wine program runs in Wine's own desktop (one X window holding
them all, managed by Wine as Windows manages windows) rather than as X windows under the
window manager; what Windows says of its windows comes from a small Windows program,
wine_windows.exe.

    test_windows.py [--screenshots | --own-desktop]

The files under test are those the Windows build names in build/windows/release.json."""

import functools
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

TOP = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
with open(os.path.join(TOP, "build", "windows", "release.json")) as f:
    RELEASE = json.load(f)
VERSION = RELEASE["version"]
SCREENSHOTS = "--screenshots" in sys.argv
if SCREENSHOTS:
    sys.argv.remove("--screenshots")
OWN_DESKTOP = "--own-desktop" in sys.argv
if OWN_DESKTOP:
    sys.argv.remove("--own-desktop")
OWN_DESKTOP_SIZE = (1024, 768)
WINE_WINDOWS = os.path.join(TOP, "build", "windows", "tests", "wine_windows.exe")
EXPLORER_KEY = r"HKCU\Software\Wine\Explorer"
DIST = RELEASE["folder"]
EXE = os.path.join(DIST, "velmoor.exe")
SETUP = RELEASE["installer"]
os.environ["VELMOOR_CAPTION"] = "Velmoor v" + VERSION
sys.path.insert(0, os.path.join(TOP, "tests", "e2e"))
from harness import CAPTION, Desktop, rebuilt_copy, sha256, wait_for  # noqa: E402
from pixels import decode_ppm  # noqa: E402

SETTINGS_KEY = r"HKCU\Software\VB and VBA Program Settings\velmoor\Settings"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmoor"
MENU_FREE = {"main": (518, 355), "result": (578, 378), "exit": (741, 315)}  # client areas


class WineWindows:
    """Wine's top-level windows as Windows sees them, in stacking order (the top first), and
    the person's mouse on them; positions are Windows' own, on Wine's own desktop too."""

    def __init__(self, desktop):
        self.desktop = desktop
        self._origin = None

    def all(self):
        for attempt in (1, 2, 3):
            # Now and then (in most runs once, on Wine's own desktop, as the program starts)
            # Wine never starts the lister: it is stopped and started again.
            try:
                out = subprocess.run(["wine", WINE_WINDOWS], env=self.desktop.env, capture_output=True, text=True,
                                     timeout=10).stdout
                break
            except subprocess.TimeoutExpired:
                if attempt == 3:
                    raise
        windows = []
        for line in out.splitlines():
            fields = line.rstrip("\r").split("\t")
            handle, owner, topmost, foreground, sizing, frame, client, title = fields
            windows.append({"handle": int(handle), "owner": int(owner), "topmost": topmost == "1",
                            "foreground": foreground == "1", "sizing": sizing == "1",
                            "frame": tuple(map(int, frame.split(","))),
                            "client": tuple(map(int, client.split(","))), "title": title})
        return windows

    def titled(self, title, client_width=None):
        return [w for w in self.all() if w["title"] == title and client_width in (None, w["client"][2])]

    def one(self, title, client_width=None, timeout=30):
        return wait_for(lambda: (self.titled(title, client_width) or [None])[0], timeout, interval=0.2,
                        message="no window %r" % title)

    def get(self, handle):
        return next((w for w in self.all() if w["handle"] == handle), None)

    def foreground(self):
        return next((w["handle"] for w in self.all() if w["foreground"]), None)

    def above(self, upper, lower):
        order = [w["handle"] for w in self.all()]
        return order.index(upper) < order.index(lower)

    def origin(self):
        """Where Windows' screen starts on the X screen (Wine's desktop window stays put)."""
        if not OWN_DESKTOP:
            return 0, 0
        if self._origin is None:
            desk = int(wait_for(lambda: subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--name", "Wine desktop$"], env=self.desktop.env,
                capture_output=True, text=True).stdout.split(), 30)[0])
            x, y, _, _ = self.desktop.frame(desk)
            left, _, top, _ = self.desktop.frame_extents(desk)
            self._origin = x + left, y + top
        return self._origin

    def click(self, x, y):
        ox, oy = self.origin()
        self.desktop.xdotool("mousemove", "--sync", ox + x, oy + y)
        time.sleep(0.3)  # Wine takes a click once the pointer has rested a moment
        self.desktop.xdotool("click", 1)

    def close(self, handle):
        subprocess.run(["wine", WINE_WINDOWS, "close", str(handle)], env=self.desktop.env, check=True,
                       timeout=60)


class Windows(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop(EXE, launcher=["wine"])
        cls.stop_wine()  # what Wine kept running knows another X server
        cls.wine = WineWindows(cls.desktop)
        if OWN_DESKTOP:
            for key, value, data in ((EXPLORER_KEY, "Desktop", "Default"),
                                     (EXPLORER_KEY + r"\Desktops", "Default", "%dx%d" % OWN_DESKTOP_SIZE)):
                subprocess.run(["wine", "reg", "add", key, "/v", value, "/d", data, "/f"], env=cls.desktop.env,
                               check=True, capture_output=True)
            # The desktop made by one program alone: two that start together in a desktop
            # not made yet can both wait for ever.
            cls.wine.all()

    @classmethod
    def tearDownClass(cls):
        if OWN_DESKTOP:
            subprocess.run(["wine", "reg", "delete", EXPLORER_KEY, "/v", "Desktop", "/f"], env=cls.desktop.env,
                           capture_output=True)
        cls.stop_wine()
        cls.desktop.close()

    @classmethod
    def stop_wine(cls):
        subprocess.run(["wineserver", "-k"], env=cls.desktop.env, capture_output=True)
        subprocess.run(["wineserver", "-w"], env=cls.desktop.env, capture_output=True, timeout=60)

    def setUp(self):
        self.desktop.site.requests.clear()  # the pages an earlier test (the monkey's) opened

    def tearDown(self):
        for program in self.desktop.programs:  # each the Windows program's own process
            program.kill()

    # --- what is on screen -------------------------------------------------------------
    def windows(self, name):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % name],
                             env=self.desktop.env, capture_output=True, text=True)
        return [int(w) for w in out.stdout.split()]

    def caret_x(self, wid):
        """Where the window's blinking caret is: pixels that change between pictures in a
        short vertical run (the squares that blink below it change in runs of 100)."""
        x, y, w, h = self.settled_geometry(wid)
        self.desktop.xdotool("windowactivate", "--sync", wid)
        shots = []
        for _ in range(12):
            shots.append(decode_ppm(self.desktop.grab(x, y, w, h)))
            time.sleep(0.25)
        caret = []
        for column in range(w):
            rows = {row for row in range(h) if len({shot[row][column] for shot in shots}) > 1}
            starts = sorted(row for row in rows if row - 1 not in rows)
            ends = sorted(row for row in rows if row + 1 not in rows)
            if any(8 <= end - start + 1 <= 30 for start, end in zip(starts, ends)):
                caret.append(column)
        self.assertTrue(caret, "no caret blinks")
        return x + sum(caret) / len(caret)

    def windows_titled(self, pattern):
        """Like windows(), for titles in any script (xdotool's own search reads them as Latin-1)."""
        return [w for w in self.windows(".*")
                if re.fullmatch(pattern, self.desktop.xdotool("getwindowname", w).strip())]

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
            os.makedirs(os.path.dirname(os.path.join(out, name)), exist_ok=True)
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

    def second_copy_is_refused(self, program):
        """A second copy started beside `program`: its refusal answered, it ends with 0, and
        `program` runs on."""
        d = self.desktop
        second = d.start()
        box = wait_for(lambda: self.windows("Velmoor"), 30, interval=0.2, message="no refusal")
        d.xdotool("windowactivate", "--sync", box[0])
        d.xdotool("key", "Return")
        self.assertEqual(second.wait_exit(30), 0)
        self.assertTrue(program.running())

    @staticmethod
    def version_strings(pe):
        """What Properties > Details shows of an executable (a pefile.PE): {"ProductName": ...}."""
        return {k.decode(): v.decode() for info in pe.FileInfo[0] if hasattr(info, "StringTable")
                for table in info.StringTable for k, v in table.entries.items()}

    def check_identities(self, setup, uninstaller, program):
        """Each executable's version information names Velmoor and this version; the program
        carries its manifest and its icon at every size Windows picks from."""
        import pefile
        for path in (setup, uninstaller, program):
            pe = pefile.PE(path)
            strings = self.version_strings(pe)
            with self.subTest(os.path.basename(path)):
                self.assertEqual((strings.get("ProductName"), strings.get("ProductVersion")), ("Velmoor", VERSION))
                self.assertIn("Quennet Softwares", strings.get("LegalCopyright", ""))
        resources = {entry.id: entry for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries}
        manifest = resources[24].directory.entries[0].directory.entries[0].data.struct
        manifest = pe.get_data(manifest.OffsetToData, manifest.Size).decode()
        for part in ('level="asInvoker"', "PerMonitorV2", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"):
            self.assertIn(part, manifest)
        self.assertNotIn("<activeCodePage", manifest)
        self.assertEqual(len(resources[3].directory.entries), 8)  # 16, 20, 24, 32, 40, 48, 64, 256

    # --- the program ---------------------------------------------------------------------
    @unittest.skipIf(OWN_DESKTOP or SCREENSHOTS, "a build's matter, not the desktop's")
    def test_the_same_tree_built_elsewhere_gives_the_same_files(self):
        copy = rebuilt_copy(TOP, "installer")
        try:
            for built in (os.path.join("velmoor-%s-win64" % VERSION, "velmoor.exe"), "velmoor-%s-win64.zip" % VERSION,
                          "velmoor-%s-setup.exe" % VERSION):
                with self.subTest(built):
                    self.assertEqual(sha256(os.path.join(copy, "dist", built)),
                                     sha256(os.path.join(TOP, "dist", built)), "differs when built elsewhere")
            self.check_signed_release(copy)
        finally:
            shutil.rmtree(os.path.dirname(copy), ignore_errors=True)

    def check_signed_release(self, copy):
        """The copy built again with a throw-away publisher's key: every executable signed and
        verifying against its authority, and failing with one byte changed; with the signature
        taken off, the file this tree built unsigned; checked as a user would, against a rebuild
        without the key (scripts/check-rebuild.sh); and the signed installer installing and
        uninstalling. The checksum list signed with a throw-away OpenPGP key."""
        keys = tempfile.mkdtemp(prefix="velmoor-keys-")
        run = functools.partial(subprocess.run, check=True, capture_output=True, cwd=keys)
        run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "ca.key", "-out", "ca.pem",
             "-days", "2", "-subj", "/CN=Throw-away CA", "-addext", "keyUsage=critical,keyCertSign"])
        run(["openssl", "req", "-newkey", "rsa:2048", "-nodes", "-keyout", "p.key", "-out", "p.csr", "-subj",
             "/CN=Throw-away Publisher"])
        with open(os.path.join(keys, "ext"), "w") as f:
            f.write("keyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n")
        run(["openssl", "x509", "-req", "-in", "p.csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
             "-out", "p.pem", "-days", "2", "-extfile", "ext"])
        run(["openssl", "pkcs12", "-export", "-out", "p.p12", "-inkey", "p.key", "-in", "p.pem", "-passout",
             "pass:throw-away"])
        env = dict(os.environ, VELMOOR_SIGN_PKCS12=os.path.join(keys, "p.p12"), VELMOOR_SIGN_PASSWORD="throw-away",
                   VELMOOR_SIGN_CAFILE=os.path.join(keys, "ca.pem"), GNUPGHOME=os.path.join(keys, "gnupg"))
        env.setdefault("SOURCE_DATE_EPOCH", subprocess.run(["git", "log", "-1", "--format=%ct"], cwd=TOP, text=True,
                                                           capture_output=True).stdout.strip())
        try:
            subprocess.run(["make", "--no-print-directory", "installer"], cwd=copy, env=env, check=True,
                           stdout=subprocess.DEVNULL)
            dist = os.path.join(copy, "dist")
            published = os.path.join(keys, "published")
            os.mkdir(published)
            for name in ("velmoor-%s-win64.zip" % VERSION, "velmoor-%s-setup.exe" % VERSION,
                         "velmoor-%s-signatures.zip" % VERSION):
                shutil.copy(os.path.join(dist, name), published)
            program = os.path.join(keys, "velmoor.exe")
            shutil.copy(os.path.join(dist, "velmoor-%s-win64" % VERSION, "velmoor.exe"), program)

            def verifies(path):
                return subprocess.run(["osslsigncode", "verify", "-CAfile", os.path.join(keys, "ca.pem"), "-in", path],
                                      capture_output=True).returncode == 0
            for path in (program, os.path.join(published, "velmoor-%s-setup.exe" % VERSION)):
                with self.subTest(os.path.basename(path)):
                    self.assertTrue(verifies(path), "not signed, or not verifying")
                    changed = path + ".changed"
                    with open(path, "rb") as f:
                        data = bytearray(f.read())
                    data[len(data) // 2] ^= 1
                    with open(changed, "wb") as f:
                        f.write(data)
                    self.assertFalse(verifies(changed), "a changed byte still verifies")
            run(["osslsigncode", "remove-signature", "-in", program, "-out", program + ".unsigned"])
            self.assertEqual(sha256(program + ".unsigned"), sha256(EXE), "unsigned, not the file built here")

            # The checksums, signed and verified, and refused once changed.
            os.mkdir(env["GNUPGHOME"], 0o700)
            run(["gpg", "--batch", "--passphrase", "", "--quick-gen-key", "Throw-away <key@velmoor.invalid>",
                 "default", "default", "never"], env=env)
            run(["cmake", "-DDIST=" + published,
                 "-DFILES=velmoor-%s-win64.zip;velmoor-%s-setup.exe" % (VERSION, VERSION),
                 "-DOPTIONAL_FILES=velmoor-%s-signatures.zip" % VERSION, "-P",
                 os.path.join(TOP, "cmake", "checksums.cmake")], env=dict(env, VELMOOR_GPG_KEY="key@velmoor.invalid"))
            sums = os.path.join(published, "SHA256SUMS")
            gpg_verify = ["gpg", "--batch", "--verify", sums + ".asc", sums]
            self.assertEqual(subprocess.run(gpg_verify, env=env, capture_output=True).returncode, 0)
            shutil.copy(sums, sums + ".good")
            with open(sums, "r+b") as f:  # one bit flipped: writing a digit may write the one already there
                first = f.read(1)
                f.seek(0)
                f.write(bytes([first[0] ^ 1]))
            self.assertNotEqual(subprocess.run(gpg_verify, env=env, capture_output=True).returncode, 0)
            shutil.move(sums + ".good", sums)

            # As a user checks it: rebuilt without the key, the published signatures attached.
            out = subprocess.run(["bash", "scripts/check-rebuild.sh", published, "installer"], cwd=copy,
                                 env=dict(env, VELMOOR_SIGN_PKCS12=""), capture_output=True, text=True)
            self.assertEqual(out.returncode, 0, out.stdout + out.stderr)
            self.assertIn("setup.exe: the same once its signature is taken off", out.stdout)
            self.assertIn("win64.zip: the same", out.stdout)
            self.check_signed_install(os.path.join(published, "velmoor-%s-setup.exe" % VERSION), verifies)
        finally:
            subprocess.run(["gpgconf", "--kill", "all"], env=env, capture_output=True)
            shutil.rmtree(keys, ignore_errors=True)

    def check_signed_install(self, setup, verifies):
        prefix = tempfile.mkdtemp(prefix="velmoor-wine-")
        env = dict(self.desktop.env, WINEPREFIX=prefix)
        try:
            subprocess.run(["wineboot", "--init"], env=env, capture_output=True, timeout=300)
            self.assertEqual(subprocess.run(["wine", setup, "/S"], env=env, timeout=180).returncode, 0)
            local = subprocess.run(["wine", "cmd", "/c", "echo %LOCALAPPDATA%"], env=env, capture_output=True,
                                   text=True).stdout.strip()
            folder = subprocess.run(["wine", "winepath", "-u", local + r"\Programs\Velmoor"], env=env,
                                    capture_output=True, text=True).stdout.strip()
            for name in ("velmoor.exe", "uninstall.exe"):
                self.assertTrue(verifies(os.path.join(folder, name)), name + " not signed")
            subprocess.run(["wine", os.path.join(folder, "uninstall.exe"), "/S"], env=env, timeout=180)
            wait_for(lambda: not os.path.exists(folder), 60, interval=0.5, message="the uninstaller left files")
        finally:
            subprocess.run(["wineserver", "-k"], env=env)
            shutil.rmtree(prefix, ignore_errors=True)

    @unittest.skipIf(OWN_DESKTOP, "a terminal's matter, not the desktop's")
    def test_version_and_help_on_the_command_line(self):
        out = subprocess.run(["wine", EXE, "--version"], env=self.desktop.env, capture_output=True, text=True,
                             timeout=60)
        self.assertEqual((out.returncode, out.stdout.strip()), (0, "velmoor " + VERSION))
        # The user's display language (Wine's, from LANG), English for one the program lacks.
        for language, usage in (("de_DE.UTF-8", "Aufruf: velmoor"), ("sv_SE.UTF-8", "Usage: velmoor")):
            out = subprocess.run(["wine", EXE, "--help"], env=dict(self.desktop.env, LANG=language),
                                 capture_output=True, timeout=60)
            self.assertTrue(out.stdout.decode("utf-8", "replace").startswith(usage), out.stdout)

    @unittest.skipIf(OWN_DESKTOP or SCREENSHOTS, "a build's matter, not the desktop's")
    def test_every_library_shipped_has_its_notice(self):
        """Each DLL and plug-in of the folder is named in the notices with what it holds, the Qt
        version is the one built, and the licences are there in full; a DLL the notices do not
        account for stops the build."""
        import pefile
        with open(os.path.join(DIST, "THIRD-PARTY-NOTICES.txt"), encoding="utf-8") as f:
            notices = f.read()  # lines end in \r\n, which Python reads as \n
        with open(RELEASE["qt_notices"], encoding="utf-8") as f:
            qt = json.load(f)
        built = self.version_strings(pefile.PE(os.path.join(DIST, "Qt6Core.dll")))["ProductVersion"]
        built = ".".join(built.split(".")[:3])  # 6.4.2.0
        self.assertTrue("Qt %s" % built in notices, "the notices name another Qt than %s" % built)
        self.assertEqual(qt["qt_version"], built)
        dlls = [os.path.relpath(os.path.join(d, n), DIST).replace(os.sep, "/")
                for d, _, names in os.walk(DIST) for n in names if n.endswith(".dll")]
        self.assertGreaterEqual(len(dlls), 8)
        for dll in dlls:
            with self.subTest(dll):
                line = re.search(r"^%s .*\n(    .*\n)*" % re.escape(dll), notices, re.M)
                self.assertTrue(line, "no notice")
                line = " ".join(line.group(0).split())
                held = next((v for k, v in qt["binaries"].items() if k.endswith("/" + dll)), [])
                for component in held:
                    self.assertIn(qt["components"][component]["name"], line)
        for part in ("GNU LESSER GENERAL PUBLIC LICENSE", "GNU GENERAL PUBLIC LICENSE", "GCC RUNTIME LIBRARY EXCEPTION",
                     "velmoor-%s-qt-source.tar" % VERSION, "PCRE2", "FreeType", "HarfBuzz"):
            self.assertTrue(part.lower() in notices.lower(), "the notices lack %s" % part)
        stray = tempfile.mkdtemp(prefix="velmoor-notices-")
        try:
            shutil.copytree(DIST, os.path.join(stray, "folder"))
            open(os.path.join(stray, "folder", "platforms", "qforeign.dll"), "wb").close()
            out = subprocess.run(["/usr/bin/python3", os.path.join(TOP, "scripts", "third-party-notices.py"),
                                  "--folder", os.path.join(stray, "folder"), "--qt-notices", RELEASE["qt_notices"],
                                  "--version", VERSION, "--source-archive", "x", "--download-url", "x", "--out",
                                  os.path.join(stray, "notices")], capture_output=True, text=True)
            self.assertIn("no notice for", out.stderr)
            self.assertIn("platforms/qforeign.dll", out.stderr)
        finally:
            shutil.rmtree(stray, ignore_errors=True)

    @unittest.skipIf(OWN_DESKTOP, "found through X windows, under the window manager")
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
        # Pressed again and again while the dots appear (2 s of clicks): still one answer,
        # and the question window alone until it comes (how long the wait takes is bench/'s).
        d.xdotool("click", "--repeat", 20, "--delay", 100, 1)
        self.assertEqual(self.windows(CAPTION), [main])
        result = self.window_of_size("result", timeout=15)
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
        self.second_copy_is_refused(program)

        # Closing the result window shows the exit screen; E&xit ends the program.
        d.xdotool("windowactivate", "--sync", result)
        d.xdotool("key", "--delay", 100, "alt+f", "x")
        screen = self.window_of_size("exit")
        self.shoot(screen, "exit-screen")
        d.xdotool("windowactivate", "--sync", screen)
        d.xdotool("key", "alt+x")
        self.assertEqual(program.wait_exit(30), 0)
        wait_for(lambda: not self.windows(CAPTION), 10, message="a window stayed")

    @unittest.skipIf(OWN_DESKTOP or SCREENSHOTS, "found through X windows, under the window manager")
    def test_the_store_and_the_guard(self):
        """The store holds exactly the scrambled text (a count of 7 is one "@"), and what the
        earlier version wrote as "@@" reads back as it meant it; another program's object of
        the guard's name neither locks the user out nor lets a second copy run."""
        d = self.desktop

        def wine(*args):
            return subprocess.run(["wine", *args], env=d.env, capture_output=True, text=True, timeout=60)

        def scramble(text):
            return "".join(chr(ord(c) + 9) for c in text)
        month_ago = time.strftime("%Y-%m-%d", time.localtime(time.time() - 30 * 86400))
        for key, data in (("Install", "@@"), ("Duration", scramble(month_ago))):
            wine("reg", "add", SETTINGS_KEY, "/v", scramble(key), "/d", data, "/f")
        with open(os.path.join(TOP, "build", "windows", "generated", "installer.nsh"), encoding="utf-8") as f:
            app_id = next(line.split('"')[1] for line in f if line.startswith("!define APP_ID"))
        user = wine("cmd", "/c", "echo %USERNAME%").stdout.strip()
        holder = subprocess.Popen(["wine", WINE_WINDOWS, "event", r"Local\%s.%s" % (app_id, user)], env=d.env,
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        try:
            self.assertEqual(holder.stdout.readline().strip(), "held")
            program = d.start()
            reminder = wait_for(lambda: self.windows("Velmoor"), 30, interval=0.2, message="no reminder")
            d.xdotool("windowactivate", "--sync", reminder[0])
            d.xdotool("key", "Escape")  # No
            self.window_of_size("main")
            self.assertEqual(self.registry(SETTINGS_KEY)[1][scramble("Install")], "@")
            self.second_copy_is_refused(program)
            self.assertNotIn("starting anyway", program.output())
        finally:
            holder.stdin.close()
            holder.wait(30)

    def test_window_rules(self):
        """As Windows manages windows: the question window centred, a box that keeps the keys,
        the about window with the keys, the exit screen above another program without taking
        its focus, a second copy's refusal in front of it, E&xit."""
        d, w = self.desktop, self.wine
        program = d.start()
        main = w.one(CAPTION, MENU_FREE["main"][0])["handle"]
        self.assertFalse(w.get(main)["sizing"], "a fixed window with a sizing frame")
        frames = [w.get(main)["frame"]]
        wait_for(lambda: frames.append(w.get(main)["frame"]) or frames[-1] == frames[-2], 10)  # placed
        x, y, width, height = frames[-1]
        screen = OWN_DESKTOP_SIZE if OWN_DESKTOP else d.screen_size()
        self.assertLessEqual(abs(x + width / 2 - screen[0] / 2), 4, frames[-1])
        self.assertLessEqual(abs(y + height / 2 - screen[1] / 2), 4, frames[-1])

        # Get My Answer with nothing asked: a box in front of its window, modal, that keeps
        # the keys when its window is clicked.
        cx, cy, cw, ch = w.get(main)["client"]
        menu = ch - MENU_FREE["main"][1]
        w.click(cx + 1 + 144 + 112, cy + menu + 40 + 219 + 16)
        box = w.one("Velmoor", timeout=15)
        self.assertEqual((box["owner"], w.foreground()), (main, box["handle"]))
        w.click(cx + 250, cy + menu + 150)  # the question field, behind the box
        self.assertEqual(w.foreground(), box["handle"])
        self.assertTrue(w.above(box["handle"], main))
        d.xdotool("key", "Return")
        wait_for(lambda: not w.titled("Velmoor"), 10, message="the box stayed")

        # Help > About: the about window has the keys, Return closes it.
        wait_for(lambda: w.foreground() == main, 10, message="the question window has no focus")
        d.xdotool("key", "--delay", 100, "alt+h", "a")
        about = wait_for(lambda: next((a for a in w.titled(CAPTION) if a["owner"] == main), None), 15,
                         message="no about window")
        self.assertFalse(about["sizing"])
        wait_for(lambda: w.foreground() == about["handle"], 5, message="the about window has no focus")
        d.xdotool("key", "Return")
        wait_for(lambda: w.get(about["handle"]) is None, 10, message="Return left the about window open")

        # Another program active; the question window closed from outside (as the task bar
        # does): the exit screen stands above that program, which keeps the focus, and stays
        # above it when the program is clicked.
        notepad = subprocess.Popen(["wine", "notepad"], env=d.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            other = w.one("Untitled - Notepad")
            ox, oy, ow, oh = other["client"]
            w.click(ox + ow // 2, oy + oh // 2)
            wait_for(lambda: w.foreground() == other["handle"], 10, message="notepad has no focus")
            w.close(main)
            exit_screen = w.one(CAPTION, MENU_FREE["exit"][0])
            self.assertEqual((exit_screen["topmost"], exit_screen["sizing"]), (True, False))
            self.assertTrue(w.above(exit_screen["handle"], other["handle"]))
            if OWN_DESKTOP:
                self.assertEqual(w.foreground(), other["handle"])
            # (With an X window manager, Wine hands the new window's activation to it, and the
            # exit screen has the focus.)
            w.click(ox + 10, oy + oh - 10)  # a corner of notepad the exit screen leaves free
            time.sleep(0.5)
            self.assertTrue(w.above(exit_screen["handle"], other["handle"]))

            # A second copy's refusal stands in front of the exit screen, with the focus.
            second = d.start()
            refusal = w.one("Velmoor", timeout=30)
            self.assertTrue(w.above(refusal["handle"], exit_screen["handle"]))
            wait_for(lambda: w.foreground() == refusal["handle"], 10, message="the refusal has no focus")
            d.xdotool("key", "Return")
            self.assertEqual(second.wait_exit(30), 0)
        finally:
            notepad.kill()

        # E&xit ends the program.
        ex, ey, ew, eh = w.get(exit_screen["handle"])["client"]
        w.click(ex + 400 + 41, ey + 184 + 12)  # E&xit
        self.assertEqual(program.wait_exit(30), 0)
        wait_for(lambda: not w.titled(CAPTION), 10, message="a window stayed")

    @unittest.skipIf(OWN_DESKTOP or SCREENSHOTS, "found through X windows, under the window manager")
    def test_pastes_and_the_monkey(self):
        """Ctrl+V and Shift+Insert from an empty clipboard leave the question as it was; then
        the monkey's random input (VELMOOR_MONKEY_EVENTS, 300 by default here). A crash ends
        the copy with a non-zero status (the prefix shows no crash dialog)."""
        from test_monkey import MonkeyEvents
        d = self.desktop
        program = d.start()
        main = self.window_of_size("main")
        x, y, w, h = self.settled_geometry(main)
        d.xdotool("windowactivate", "--sync", main)
        d.xdotool("mousemove", "--sync", x + 250, y + h - MENU_FREE["main"][1] + 110, "click", 1)
        d.xdotool("type", "--delay", 20, "Rain?")
        d.hold_selection(None)
        d.xdotool("key", "--delay", 100, "ctrl+v", "shift+Insert")
        time.sleep(1)
        self.assertTrue(program.running(), "a paste from an empty clipboard ended the program")
        d.xdotool("key", "--delay", 100, "ctrl+a", "ctrl+c")  # the question, copied out to X
        self.assertEqual(wait_for(lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=d.env,
                                                         capture_output=True, text=True).stdout, 10), "Rain?")

        events = int(os.environ.get("VELMOOR_MONKEY_EVENTS", "300"))
        seed = int(os.environ.get("VELMOOR_MONKEY_SEED", "20261208"))
        log_path = os.path.join(TOP, "build", "windows", "monkey-events.log")
        with open(log_path, "w", encoding="utf-8") as log:
            monkey = MonkeyEvents(d, log, seed)
            for n in range(events):
                if not program.running():
                    code = program.wait_exit()
                    self.assertEqual(code, 0, "the copy ended with %s (seed %d; events in %s)" % (code, seed, log_path))
                    log.write("%d ended by Exit; started again\n" % n)
                    program = d.start()
                    self.window_of_size("main")
                monkey.one(program, n)
            log.flush()
            time.sleep(1)
            self.assertTrue(program.running() or program.wait_exit() == 0, "seed %d; events in %s" % (seed, log_path))

    @unittest.skipIf(OWN_DESKTOP, "found through X windows, under the window manager")
    def test_the_installer(self):
        prefix = tempfile.mkdtemp(prefix="velmoor-wine-")
        env = dict(self.desktop.env, WINEPREFIX=prefix)

        def wine(*args, **kw):
            return subprocess.run(["wine", *args], env=env, capture_output=True, text=True, timeout=180, **kw)
        try:
            subprocess.run(["wineboot", "--init"], env=env, capture_output=True, timeout=300)
            # The interface font the build's own prefix has, as a Windows machine has one: without
            # it Qt finds none of Wine's and draws the menu bar in a serif face.
            for metric in ("MenuFont", "MessageFont", "StatusFont", "IconFont", "SmCaptionFont"):
                subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop\WindowMetrics", "/v", metric,
                                "/t", "REG_BINARY", "/d", os.environ["VELMOOR_WINE_UI_FONT"], "/f"], env=env,
                               capture_output=True, timeout=60)
            # And, as Windows links its interface font to the Far Eastern faces, the Chinese and
            # Japanese glyphs of the installer's message boxes (drawn by the system) from a face
            # that has them.
            wine("reg", "add", r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink", "/v",
                 "DejaVu Sans", "/t", "REG_MULTI_SZ", "/d", "wqy-microhei.ttc,WenQuanYi Micro Hei", "/f")
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
            # In the user's language: NSIS's own pages, and then the program. (Wine gives
            # the installer the language of LC_ALL, the program that of LANG as well.)
            for language, title in (("de_DE.UTF-8", "Installation von Velmoor %s ?" % VERSION),
                                    ("ja_JP.UTF-8", "Velmoor %s セットアップ ?" % VERSION),
                                    ("ar_EG.UTF-8", "\\W*تنصيب Velmoor %s ?" % VERSION)):
                subprocess.Popen(["wine", SETUP], env=dict(env, LC_ALL=language), stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
                setup = wait_for(lambda: self.windows_titled(title), 60, interval=0.2)[0]
                time.sleep(1.5)
                self.shoot(setup, "installer-welcome-" + language[:2])
                if SCREENSHOTS:
                    subprocess.Popen(["wine", os.path.join(folder, "velmoor.exe")], env=dict(env, LC_ALL=language),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                    time.sleep(1.2)
                    self.shoot(self.window_of_size("main"), "question-window-" + language[:2])
                elif language.startswith("ar"):
                    # The empty question's caret at the right, where Arabic starts.
                    subprocess.Popen(["wine", os.path.join(folder, "velmoor.exe")], env=dict(env, LC_ALL=language),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                    x, _, w, _ = self.settled_geometry(self.window_of_size("main"))
                    self.assertGreater(self.caret_x(self.window_of_size("main")), x + w / 2)
                subprocess.run(["wineserver", "-k"], env=env)
                subprocess.run(["wineserver", "-w"], env=env, timeout=30)
            if SCREENSHOTS:
                self.picture_setup_in_every_language(env, folder, local + r"\Programs\Velmoor")
                return

            # Silently, over it.
            self.assertEqual(wine(SETUP, "/S").returncode, 0)
            for name in ("velmoor.exe", "Qt6Widgets.dll", "platforms/qwindows.dll", "uninstall.exe"):
                self.assertTrue(os.path.exists(os.path.join(folder, name)), name)
            shortcut = programs + r"\Microsoft\Windows\Start Menu\Programs\Velmoor.lnk"
            self.assertTrue(os.path.exists(unix(shortcut)))
            code, values = self.registry(UNINSTALL_KEY, env)
            self.assertEqual((code, values.get("DisplayVersion")), (0, VERSION))

            # The Apps entry in full; each executable names Velmoor and its version.
            entry = self.registry(UNINSTALL_KEY, env)[1]
            self.assertGreater(int(entry["EstimatedSize"], 16), 10000)  # KB, as REG_DWORD 0x...
            self.assertEqual(entry["InstallDate"], time.strftime("%Y%m%d"))
            self.assertTrue(entry["URLInfoAbout"].endswith("?page=home-page"), entry)
            self.assertTrue(entry["HelpLink"].endswith("?page=help-web-page"), entry)
            self.check_identities(SETUP, os.path.join(folder, "uninstall.exe"), os.path.join(folder, "velmoor.exe"))
            self.assertTrue(os.path.exists(os.path.join(folder, "THIRD-PARTY-NOTICES.txt")))

            # The package manager's manifest names this installer, this version and the Apps
            # entry it writes.
            manifest = {}
            for name in sorted(os.listdir(RELEASE["winget"])):
                with open(os.path.join(RELEASE["winget"], name), encoding="utf-8") as f:
                    for line in f:
                        key, _, value = line.strip().lstrip("- ").partition(": ")
                        manifest.setdefault(key, set()).add(value)
            self.assertEqual(manifest["InstallerSha256"], {sha256(SETUP).upper()})
            self.assertEqual(manifest["PackageVersion"], {VERSION})
            self.assertEqual(manifest["DisplayVersion"], {VERSION})
            self.assertEqual(manifest["ProductCode"], {UNINSTALL_KEY.rsplit("\\", 1)[1]})
            self.assertEqual((manifest["InstallerType"], manifest["Scope"]), ({"nullsoft"}, {"user"}))
            self.assertEqual(manifest["InstallerUrl"], {RELEASE["download_url"] + os.path.basename(SETUP)})

            # The shortcut starts the installed program. While it runs, neither the installer
            # nor the uninstaller changes anything, and both say so by their status.
            subprocess.Popen(["wine", "start", "/wait", shortcut], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
            self.window_of_size("main")
            files = {name: os.path.getmtime(os.path.join(folder, name)) for name in os.listdir(folder)}
            self.assertEqual(wine(SETUP, "/S").returncode, 3)
            in_place = local + r"\Programs\Velmoor"
            self.assertEqual(wine(in_place + r"\uninstall.exe", "/S", "_?=" + in_place).returncode, 3)
            self.assertEqual({name: os.path.getmtime(os.path.join(folder, name)) for name in os.listdir(folder)},
                             files)
            self.assertEqual(self.registry(UNINSTALL_KEY, env)[1], entry)
            subprocess.run(["wineserver", "-k"], env=env)
            subprocess.run(["wineserver", "-w"], env=env, timeout=30)

            # Over a newer version: refused when silent, nothing changed; the same version again
            # is a repair.
            newer = ["reg", "add", r"HKCU\%s" % UNINSTALL_KEY[5:], "/v", "DisplayVersion", "/d", "99.1", "/f"]
            wine(*newer)
            self.assertEqual(wine(SETUP, "/S").returncode, 4)
            self.assertEqual(self.registry(UNINSTALL_KEY, env)[1]["DisplayVersion"], "99.1")
            wine(*newer[:-2], VERSION, "/f")
            self.assertEqual(wine(SETUP, "/S").returncode, 0)

            wine(local + r"\Programs\Velmoor\uninstall.exe", "/S")
            wait_for(lambda: not os.path.exists(folder), 60, interval=0.5, message="the uninstaller left files")
            self.assertFalse(os.path.exists(unix(shortcut)))
            desktop_shortcut = wine("cmd", "/c", "echo %USERPROFILE%").stdout.strip() + r"\Desktop\Velmoor.lnk"
            self.assertFalse(os.path.exists(unix(desktop_shortcut)))  # not asked for
            self.assertNotEqual(self.registry(UNINSTALL_KEY, env)[0], 0)
        finally:
            subprocess.run(["wineserver", "-k"], env=env)
            shutil.rmtree(prefix, ignore_errors=True)

    def picture_setup_in_every_language(self, env, folder, in_place):
        """In each of the installer's languages (windows/<language>/): the installer's pages, its
        boxes (a copy running, a newer version installed), the uninstaller's pages and its box
        (a file it cannot remove)."""
        def setup_windows():
            return self.windows_titled(".*Velmoor %s.*" % VERSION)

        def new_window(before):
            return wait_for(lambda: next((w for w in setup_windows() if w not in before), None), 60, interval=0.2)

        def start(command, language, name, before=()):
            subprocess.Popen(["wine", *command], env=dict(env, LC_ALL=language), stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
            window = new_window(before)
            time.sleep(1.5)  # the page drawn
            self.shoot(window, name)
            return window

        def enter(window):
            self.desktop.xdotool("windowactivate", "--sync", window)
            self.desktop.xdotool("key", "Return")

        def end_all():
            subprocess.run(["wineserver", "-k"], env=env)
            subprocess.run(["wineserver", "-w"], env=env, timeout=30)

        version_key = ["wine", "reg", "add", r"HKCU\%s" % UNINSTALL_KEY[5:], "/v", "DisplayVersion", "/d"]
        uninstaller = [in_place + r"\uninstall.exe"]
        for language in ("en_US", "de_DE", "fr_FR", "es_ES", "it_IT", "pt_BR", "pl_PL", "ru_RU", "ja_JP",
                         "zh_CN", "ar_EG"):
            at = language[:5] if language in ("pt_BR", "zh_CN") else language[:2]
            language += ".UTF-8"
            window = start([SETUP], language, at + "/installer-welcome")
            enter(window)
            time.sleep(1.5)
            self.shoot(window, at + "/installer-folder")
            enter(window)
            wait_for(lambda: os.path.exists(os.path.join(folder, "uninstall.exe")), 60, interval=0.5)
            time.sleep(1.5)
            self.shoot(window, at + "/installer-finish")
            end_all()
            # A first start each time, with no update reminder in front of the window.
            subprocess.run(["wine", "reg", "delete", SETTINGS_KEY, "/f"], env=env, capture_output=True)
            subprocess.Popen(["wine", os.path.join(folder, "velmoor.exe")], env=dict(env, LC_ALL=language),
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.window_of_size("main")
            start([SETUP], language, at + "/installer-box-running")
            end_all()
            subprocess.run(version_key + ["99.1", "/f"], env=env, capture_output=True)
            start([SETUP], language, at + "/installer-box-newer")
            end_all()
            subprocess.run(version_key + [VERSION, "/f"], env=env, capture_output=True)
            # A file the uninstaller cannot remove: one in use.
            holder = subprocess.Popen(["wine", WINE_WINDOWS, "file", in_place + r"\THIRD-PARTY-NOTICES.txt"],
                                      env=env, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
            self.assertEqual(holder.stdout.readline().strip(), "held")
            window = start(uninstaller, language, at + "/uninstaller-confirm")
            enter(window)
            box = new_window([window])
            time.sleep(1)
            self.shoot(box, at + "/uninstaller-box-not-removed")
            holder.stdin.close()
            end_all()
            window = start(uninstaller, language, at + "/uninstaller-confirm")
            enter(window)
            wait_for(lambda: not os.path.exists(os.path.join(folder, "velmoor.exe")), 60, interval=0.5)
            time.sleep(1.5)
            self.shoot(window, at + "/uninstaller-done")
            end_all()


if __name__ == "__main__":
    unittest.main()
