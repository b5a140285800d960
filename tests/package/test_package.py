"""The .deb that `make package` made: lintian finds no error, its dependencies name Qt's
libraries and both platform plugins, it unpacks to the freedesktop layout with valid
desktop and metainfo files, and the unpacked program answers --version and --help on the
terminal, says when there is no display, and shows its window on a virtual X server
whatever arguments it is given; the same tree built again in another folder gives the same
package to the byte."""

import glob
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

TOP = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DEBS = sorted(glob.glob(os.path.join(TOP, "dist", "velmoor_*.deb")), key=os.path.getmtime)
if not DEBS:
    sys.exit("no package in dist/: run make package first")
DEB = DEBS[-1]
ROOT = tempfile.mkdtemp(prefix="velmoor-package-")
subprocess.run(["dpkg-deb", "-x", DEB, ROOT], check=True)
PROGRAM = os.path.join(ROOT, "usr", "bin", "velmoor")
os.environ["VELMOOR_BINARY"] = PROGRAM
sys.path.insert(0, os.path.join(TOP, "tests", "e2e"))
from harness import CAPTION, Desktop, dead_display, rebuilt_copy, sha256, wait_for  # noqa: E402


def field(name):
    return subprocess.run(["dpkg-deb", "-f", DEB, name], capture_output=True, text=True, check=True).stdout.strip()


class Package(unittest.TestCase):
    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(ROOT, ignore_errors=True)

    def installed(self, pattern):
        found = glob.glob(os.path.join(ROOT, pattern))
        self.assertEqual(len(found), 1, pattern)
        return found[0]

    def test_lintian_finds_no_error_and_the_program_is_hardened(self):
        out = subprocess.run(["lintian", "--fail-on", "error", "--display-info", "--allow-root", DEB],
                             capture_output=True, text=True)
        sys.stderr.write(out.stdout)
        self.assertEqual(out.returncode, 0, out.stdout + out.stderr)
        self.assertNotIn("hardening-", out.stdout)

    def test_control_fields(self):
        depends = field("Depends")
        for needed in ("libqt6widgets6", "libqt6gui6", "libqt6core6", "qt6-qpa-plugins", "qt6-wayland",
                       "fonts-dejavu-core"):
            self.assertIn(needed, depends)
        self.assertEqual(field("Recommends"), "xdg-utils, qt6-translations-l10n, fonts-wqy-microhei")
        self.assertEqual(field("Package"), "velmoor")
        self.assertEqual("Velmoor v" + field("Version"), CAPTION)
        self.assertTrue(field("Maintainer"))
        self.assertTrue(field("Description"))

    def test_freedesktop_layout_and_validators(self):
        desktop = self.installed("usr/share/applications/*.desktop")
        app_id = os.path.basename(desktop)[: -len(".desktop")]
        self.assertRegex(app_id, r"^[A-Za-z_][\w]*(\.[A-Za-z_][\w]*){2,}$")
        out = subprocess.run(["desktop-file-validate", desktop], capture_output=True, text=True)
        self.assertEqual((out.returncode, out.stdout), (0, ""))
        with open(desktop) as f:  # the window's X11 class, for shells that match by class
            self.assertIn("StartupWMClass=velmoor\n", f.read())
        metainfo = self.installed("usr/share/metainfo/%s.metainfo.xml" % app_id)
        out = subprocess.run(["appstreamcli", "validate", "--no-net", "--pedantic", metainfo],
                             capture_output=True, text=True)
        self.assertEqual(out.returncode, 0, out.stdout + out.stderr)
        with open(metainfo) as f:
            text = f.read()
        self.assertIn('<release version="%s"' % CAPTION.split(" v")[-1], text)
        self.assertIn("%s.desktop</launchable>" % app_id, text)
        self.assertIn('<content_attribute id="social-info">intense</content_attribute>', text)
        self.installed("usr/share/icons/hicolor/scalable/apps/%s.svg" % app_id)
        for size in (16, 24, 32, 48, 64, 128, 256):
            png = self.installed("usr/share/icons/hicolor/%dx%d/apps/%s.png" % (size, size, app_id))
            dims = subprocess.run(["identify", "-format", "%wx%h", png], capture_output=True, text=True).stdout
            self.assertEqual(dims, "%dx%d" % (size, size))
        self.installed("usr/share/man/man1/velmoor.1.gz")
        # Nothing in the program points back into the tree it was built in.
        with open(PROGRAM, "rb") as f:
            self.assertNotIn(TOP.encode(), f.read())

    def test_terminal_options(self):
        no_display = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}

        def run(*args):
            return subprocess.run([PROGRAM, *args], env=no_display, capture_output=True, text=True, timeout=20)
        version = run("--version")
        self.assertEqual((version.returncode, version.stdout), (0, "velmoor %s\n" % CAPTION.split(" v")[-1]))
        for option in ("--help", "-h"):
            helped = run(option)
            self.assertEqual(helped.returncode, 0)
            self.assertIn("Usage: velmoor", helped.stdout)
        # In the terminal's character set: English where it cannot show the language (Japanese
        # in plain ASCII), German in Latin-1 ("ü" one byte) where it can.
        with tempfile.TemporaryDirectory() as locales:
            subprocess.run(["localedef", "-i", "de_DE", "-f", "ISO-8859-1", os.path.join(locales, "de_DE.ISO-8859-1")],
                           check=True, capture_output=True)
            for env, written in (({"LANG": "C", "LANGUAGE": "ja"}, b"Usage: velmoor"),
                                 ({"LANG": "de_DE.ISO-8859-1", "LOCPATH": locales}, "drücken".encode("latin-1"))):
                helped = subprocess.run([PROGRAM, "--help"], env={**no_display, "LANGUAGE": "", **env},
                                        capture_output=True, timeout=20)
                self.assertIn(written, helped.stdout, env)
        # The first of the user's languages that the program has, entries it does not know
        # (or has no translation for) passed over; "C" is English.
        for language, written in (("xx:de", "drücken"), ("csb:bar:pl", "Użycie"), ("nl:de", "drücken"),
                                  ("C:de", "Usage: velmoor")):
            helped = subprocess.run([PROGRAM, "--help"], env={**no_display, "LANG": "C.UTF-8", "LC_ALL": "",
                                                              "LC_MESSAGES": "", "LANGUAGE": language},
                                    capture_output=True, text=True, timeout=20)
            self.assertIn(written, helped.stdout, language)
        for arguments in ([], ["--bogus"], ["-stylesheet", "/etc/passwd"], ["question"]):
            started = run(*arguments)
            self.assertEqual(started.returncode, 1, arguments)
            self.assertIn("no display to show Velmoor on", started.stderr)
            self.assertNotIn("Reinstalling", started.stderr)
            if arguments:
                self.assertIn("ignoring '%s" % arguments[0], started.stderr)
        # A display named but gone (a stale DISPLAY over ssh, a session that ended): one line
        # naming it, status 1.
        dead = {"DISPLAY": dead_display(), "WAYLAND_DISPLAY": "wayland-nobody-listens"}
        # The same when the user names the platform: theirs, and one line where Qt would abort.
        for platform, named in (("", ["DISPLAY"]), ("", ["WAYLAND_DISPLAY"]), ("", ["DISPLAY", "WAYLAND_DISPLAY"]),
                                ("xcb", ["DISPLAY"]), ("wayland", ["WAYLAND_DISPLAY"]),
                                ("wayland;xcb", ["DISPLAY", "WAYLAND_DISPLAY"]), ("xcb", [])):
            env = dict(no_display, QT_QPA_PLATFORM=platform, **{k: dead[k] for k in named})
            started = subprocess.run([PROGRAM], env=env, capture_output=True, text=True, timeout=20)
            self.assertEqual((started.returncode, started.stderr.count("\n")), (1, 1), started.stderr)
            self.assertIn("cannot reach the display" if named else "no display to show Velmoor on", started.stderr)
            for variable in named:
                self.assertIn("'%s'" % dead[variable], started.stderr)

    def test_the_same_tree_built_elsewhere_gives_the_same_package(self):
        copy = rebuilt_copy(TOP, "package")
        try:
            again = glob.glob(os.path.join(copy, "dist", "velmoor_*.deb"))
            self.assertEqual(len(again), 1)
            self.assertEqual(sha256(again[0]), sha256(DEB), "the package differs from the one built in %s" % TOP)
        finally:
            shutil.rmtree(os.path.dirname(copy), ignore_errors=True)

    def test_the_installed_program_shows_its_window_whatever_it_is_given(self):
        desktop = Desktop(PROGRAM)
        try:
            program = desktop.start(arguments=["-stylesheet", "/etc/passwd", "a file dropped on it.txt"])
            wait_for(program.main_window_shown, 20, message="the installed program showed no window")
            self.assertTrue(program.running())
            self.assertIn("ignoring '-stylesheet' '/etc/passwd'", program.output())
            program.kill()
        finally:
            desktop.close()


if __name__ == "__main__":
    unittest.main()
