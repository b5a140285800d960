"""A copy killed at the worst moment never keeps the next one out or waiting: killed on its
first touch of the store's folder, fifty times, the next start shows its window as fast as
an undisturbed one. Whatever lies in the store's folder, the window shows within a second.
One copy per user whatever the environment says and whatever outside clean-ups remove; and
each user's guard is their own, even against another user who takes its name."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

from e2e_case import DesktopCase, wait_for
from harness import FolderWatch

KILLS = 50


def guard_name(pid):
    """The abstract socket name that the copy `pid` holds as its guard."""
    inodes = {os.readlink("/proc/%d/fd/%s" % (pid, fd)) for fd in os.listdir("/proc/%d/fd" % pid)}
    with open("/proc/net/unix") as f:
        for line in f.read().splitlines()[1:]:
            fields = line.split()
            if len(fields) == 8 and fields[7].startswith("@") and "socket:[%s]" % fields[6] in inodes:
                return fields[7][1:]
    raise AssertionError("copy %d holds no abstract socket" % pid)


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

    def refused(self, program):
        self.assertEqual(program.message_box()[1], ["Application is already running"])

    def test_one_copy_whatever_the_environment_and_the_clean_ups(self):
        d = self.desktop
        cache = os.path.join(d.home, ".cache")
        no_runtime = {"XDG_RUNTIME_DIR": None}

        def clean_runtime_folder():  # what the session's clean-up may remove
            for name in os.listdir(d.runtime):
                if os.path.isfile(os.path.join(d.runtime, name)):
                    os.remove(os.path.join(d.runtime, name))

        def cache_folder_of_someone_else():  # left behind by a copy started through sudo
            os.makedirs(os.path.join(cache, "velmoor"), mode=0o700, exist_ok=True)
            os.chown(os.path.join(cache, "velmoor"), 65534, 65534)
        for name, first_env, disturb, second_env in (
                ("from the desktop, then from a terminal", {}, lambda: None, no_runtime),
                ("the runtime folder cleaned", {}, clean_runtime_folder, {}),
                ("the cache cleared", no_runtime, lambda: shutil.rmtree(cache, ignore_errors=True), no_runtime),
                ("the cache folder someone else's", no_runtime, cache_folder_of_someone_else, no_runtime)):
            with self.subTest(name):
                try:
                    first, seconds = self.time_to_window(env=first_env)
                    self.assertLess(seconds, 1.0)
                    disturb()
                    self.refused(d.start(env=second_env))
                    self.assertTrue(first.running())
                finally:
                    for program in d.programs:
                        program.kill()
                    shutil.rmtree(cache, ignore_errors=True)

    def test_whatever_lies_in_the_stores_folder_the_window_shows(self):
        d = self.desktop
        folder = os.path.dirname(d.settings_file())
        for name, plant in (("a pipe as the store", lambda: os.mkfifo(d.settings_file())),
                            ("a folder as its lock", lambda: os.makedirs(d.settings_file() + ".lock/inside"))):
            with self.subTest(name):
                shutil.rmtree(folder, ignore_errors=True)
                os.makedirs(folder)
                plant()
                try:
                    self.assertLess(self.time_to_window()[1], 1.0)
                finally:
                    for program in d.programs:
                        program.kill()
        shutil.rmtree(folder, ignore_errors=True)

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
            # No runtime folder for either, one shared temporary folder.
            no_runtime = {"XDG_RUNTIME_DIR": None, "TMPDIR": shared}
            mine, _ = self.time_to_window(env=no_runtime)
            their_env = dict(no_runtime, HOME=other_home, XDG_CONFIG_HOME=None, XDG_CACHE_HOME=None,
                             XDG_DATA_HOME=None, DBUS_SESSION_BUS_ADDRESS=None)
            theirs, _ = self.time_to_window(user=other, binary=their_binary, env=their_env)
            self.assertTrue(mine.running() and theirs.running())
            again = d.start(env=no_runtime)  # but one copy each
            self.refused(again)
            guard = guard_name(mine.pid)
            for program in (again, mine, theirs):
                program.kill()

            # Another user who takes this user's name does not keep them out.
            squatter = subprocess.Popen(
                [sys.executable, "-c", "import socket, sys; s = socket.socket(socket.AF_UNIX);"
                 " s.bind(b'\\0' + sys.argv[1].encode()); s.listen(); print(flush=True); sys.stdin.read()", guard],
                user=other, stdin=subprocess.PIPE, stdout=subprocess.PIPE)
            try:
                squatter.stdout.readline()
                mine, seconds = self.time_to_window(env=no_runtime,
                                                    expected_output=["cannot make sure that only one copy runs"])
                self.assertLess(seconds, 1.0)
                self.assertIn("cannot make sure that only one copy runs", mine.output())
            finally:
                squatter.kill()
                squatter.wait()

            # The other user's store, empty (so the start writes it), in a folder they may not
            # change, with a lock an hour old.
            their_store = os.path.join(other_home, ".config", "velmoor")
            for name in ("velmoor.conf", "velmoor.conf.lock"):
                open(os.path.join(their_store, name), "w").close()
            os.utime(os.path.join(their_store, "velmoor.conf.lock"), (time.time() - 3600,) * 2)
            os.chmod(their_store, 0o500)
            theirs, seconds = self.time_to_window(user=other, binary=their_binary, env=their_env)
            self.assertLess(seconds, 1.0)
        finally:
            shutil.rmtree(shared, ignore_errors=True)


if __name__ == "__main__":
    unittest.main()
