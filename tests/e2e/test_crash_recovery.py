"""A copy killed at the worst moment never keeps the next one out or waiting: killed on its
first touch of the lock's folder and of the store's folder, fifty times each, the next
start shows its window as fast as an undisturbed one; whatever lies at the lock's path, the
program starts; and the lock is every user's own."""

import os
import shutil
import signal
import sys
import tempfile
import time
import unittest

from e2e_case import DesktopCase, wait_for
from harness import FolderWatch

KILLS = 50


class CrashRecovery(DesktopCase):
    def time_to_window(self, **kw):
        started = time.monotonic()
        program = self.desktop.start(**kw)
        wait_for(program.main_window_shown, 20, interval=0.01, message="no window")
        return program, time.monotonic() - started

    def baseline(self):
        times = []
        for _ in range(3):
            program, seconds = self.time_to_window()
            program.kill()
            times.append(seconds)
        return max(times)

    def kill_on_first_touch(self, folder, prepare, left=lambda: False):
        """Kills a starting copy the moment it creates its first file in `folder`, then
        times the next start. Returns those times and how many kills left `left()` true."""
        d = self.desktop
        times, count = [], 0
        watch = FolderWatch(folder)
        try:
            for i in range(KILLS):
                prepare()
                watch.wait(0)
                victim = d.start()
                self.assertTrue(watch.wait(20), "the copy never wrote into %s" % folder)
                if i % 5 == 4:  # now and then a little later, into the write itself
                    time.sleep(0.001 * (i % 3))
                victim.process.send_signal(signal.SIGKILL)
                victim.process.wait()
                count += bool(left())
                after, seconds = self.time_to_window()
                times.append(seconds)
                after.kill()
        finally:
            watch.close()
        return times, count

    def check_times(self, what, times, baseline):
        sys.stderr.write("%s: %d kills; next start to window %.2f-%.2f s (undisturbed %.2f s)\n"
                         % (what, len(times), min(times), max(times), baseline))
        self.assertLess(max(times), baseline + 1.0, "%s: %s" % (what, times))

    def test_killed_while_taking_the_lock(self):
        d = self.desktop
        lock = os.path.join(d.runtime, "velmoor.lock")
        baseline = self.baseline()
        times, empty = self.kill_on_first_touch(d.runtime, lambda: os.path.exists(lock) and os.remove(lock),
                                                left=lambda: os.path.getsize(lock) == 0)
        self.check_times("lock (%d left it empty)" % empty, times, baseline)

    def test_killed_while_writing_the_store(self):
        d = self.desktop
        folder = os.path.dirname(d.settings_file())
        os.makedirs(folder, exist_ok=True)
        baseline = self.baseline()

        def first_start():  # an empty store: every start writes both values
            for name in os.listdir(folder):
                os.remove(os.path.join(folder, name))
        leftover = os.path.join(folder, "velmoor.conf.lock")
        times, left = self.kill_on_first_touch(folder, first_start, left=lambda: os.path.exists(leftover))
        self.check_times("store (%d left its lock behind)" % left, times, baseline)
        # The last start wrote both values, and no lock of any crash was left behind.
        self.assertEqual(os.listdir(folder), ["velmoor.conf"])
        with open(d.settings_file(), encoding="utf-8") as f:
            self.assertEqual(len([line for line in f if "=" in line]), 2)

    def test_whatever_lies_at_the_lock_path_the_program_starts(self):
        d = self.desktop
        lock = os.path.join(d.runtime, "velmoor.lock")
        for name, plant in (("empty", lambda: open(lock, "wb").close()),
                            ("garbage", lambda: open(lock, "wb").write(b"\x00\xff 999999\nvelmoor\nnowhere\n")),
                            ("a folder", lambda: os.mkdir(lock))):
            with self.subTest(name):
                if os.path.isdir(lock):
                    os.rmdir(lock)
                elif os.path.exists(lock):
                    os.remove(lock)
                plant()
                program, _ = self.time_to_window()
                second = d.start()  # the guard still works
                box, texts = second.message_box()
                self.assertEqual(texts, ["Application is already running"])
                second.kill()
                program.kill()
        os.rmdir(lock)

    def test_each_user_runs_their_own_copy(self):
        if os.geteuid() != 0:
            self.skipTest("needs root to start a copy as a second user")
        d = self.desktop
        other = 65534  # the unprivileged account every Debian system has
        shared = tempfile.mkdtemp(prefix="velmoor-e2e-shared-")
        try:
            os.chmod(shared, 0o1777)
            # The build tree may sit in a folder only we can enter: the other user runs a copy.
            their_bin = os.path.join(shared, "bin")
            os.mkdir(their_bin, 0o755)
            their_binary = shutil.copy2(d.binary, os.path.join(their_bin, "velmoor"))
            other_home = os.path.join(shared, "home")
            os.mkdir(other_home, 0o700)
            os.chown(other_home, other, other)
            # Planted by another user where a lock of everyone's would live.
            planted = os.path.join(shared, "velmoor.lock")
            with open(planted, "w") as f:
                f.write("garbage")
            os.chown(planted, other, other)
            # No runtime folder for either: each falls back to a folder of their own.
            no_runtime = {"XDG_RUNTIME_DIR": None, "TMPDIR": shared}
            mine, _ = self.time_to_window(env=no_runtime)
            theirs, _ = self.time_to_window(user=other, binary=their_binary, env=dict(no_runtime, HOME=other_home, XDG_CONFIG_HOME=None,
                                                                 XDG_CACHE_HOME=None, XDG_DATA_HOME=None,
                                                                 DBUS_SESSION_BUS_ADDRESS=None))
            self.assertTrue(mine.running() and theirs.running())
            self.assertTrue(os.path.exists(os.path.join(other_home, ".cache", "velmoor", "velmoor.lock")))
            self.assertEqual(os.stat(os.path.join(other_home, ".cache", "velmoor")).st_mode & 0o777, 0o700)
            again = d.start(env=no_runtime)  # but one copy each
            self.assertEqual(again.message_box()[1], ["Application is already running"])
            for program in (again, mine, theirs):
                program.kill()
        finally:
            shutil.rmtree(shared, ignore_errors=True)


if __name__ == "__main__":
    unittest.main()
