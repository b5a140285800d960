"""Drives the built velmoor program as a person would, on a private desktop.

A Desktop is a virtual X server with a window manager, a private session bus with the
accessibility bus, temporary HOME and XDG folders, a stand-in publisher site (a real HTTP
server on 127.0.0.1 with a real query parser) and a recording browser: an `xdg-open` first
on PATH that logs the address exactly as it receives it and forwards its path and query to
the stand-in site. Input is real X input (xdotool); what is on screen is read from the
accessibility tree, window properties and screenshots. Every process started here is
stopped here, by process id.

One Desktop per Python process: the accessibility library binds to one session bus.
"""

import functools
import http.server
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse
import xml.etree.ElementTree

BINARY = os.path.abspath(os.environ.get("VELMOOR_BINARY", "build/dev/velmoor"))
# Every window's caption: the program's name and the version the binary reports.
CAPTION = os.environ.get("VELMOOR_CAPTION") or "Velmoor v" + subprocess.run(
    [BINARY, "--version"], capture_output=True, text=True, check=True).stdout.split()[-1]
FAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"

BROWSER = """#!/usr/bin/python3
import os, sys, urllib.parse, urllib.request
address = sys.argv[1]
with open(os.environ["VELMOOR_E2E_BROWSER_LOG"], "a", encoding="utf-8") as log:
    log.write(address + "\\n")
parts = urllib.parse.urlsplit(address)
url = "http://127.0.0.1:%s%s?%s" % (os.environ["VELMOOR_E2E_SITE_PORT"], parts.path, parts.query)
urllib.request.urlopen(url, timeout=10).read()
"""


TRANSLATIONS = os.path.join(os.path.dirname(__file__), "..", "..", "translations")
QT_TRANSLATIONS = "/usr/share/qt6/translations"


@functools.lru_cache(maxsize=None)
def _translations(language, qt):
    """(context, source) -> translation, from the program's file or (qt) Qt's qtbase_*.qm,
    read once."""
    if qt:
        ts = subprocess.run(["/usr/lib/qt6/bin/lconvert", "-of", "ts",
                             os.path.join(QT_TRANSLATIONS, "qtbase_%s.qm" % language)],
                            capture_output=True, check=True).stdout
        root = xml.etree.ElementTree.fromstring(ts)
    else:
        root = xml.etree.ElementTree.parse(os.path.join(TRANSLATIONS, "velmoor_%s.ts" % language)).getroot()
    return {(c.findtext("name"), m.findtext("source")): m.findtext("translation") or ""
            for c in root.iter("context") for m in c.iter("message")}


def translated(language, source, context=None):
    """`source` as the program shows it in `language`, read from its translation file, or
    Qt's own text when `context` names one of Qt's; with no access-key marker, as the
    accessibility tree names it."""
    table = _translations(language, context is not None)
    found = [text for (c, s), text in table.items() if s == source and context in (None, c)]
    if not found:
        raise KeyError("%s: no translation of %r" % (language, source))
    return found[0].replace("&&", "\0").replace("&", "").replace("\0", "&")


class Site:
    """The stand-in publisher site: logs each request's path and parsed query."""

    def __init__(self):
        self.requests = []
        site = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                parts = urllib.parse.urlsplit(self.path)
                query = urllib.parse.parse_qs(parts.query, keep_blank_values=True)
                site.requests.append({"path": parts.path, "query": query})
                body = b"<html><body>ok</body></html>"
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.port = self.server.server_address[1]
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def pages(self):
        return [r["query"].get("page", ["?"])[0] for r in self.requests]

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


def wait_for(what, timeout=10.0, interval=0.05, message=None):
    """Polls `what` until it returns something true; that value, or AssertionError."""
    deadline = time.monotonic() + timeout
    while True:
        value = what()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(message or "timed out waiting for %s" % getattr(what, "__name__", what))
        time.sleep(interval)


def isolate_network():
    """Moves this process, and all it starts from now on, into a network of its own with
    only loopback. The one-copy guard's name lives in the network namespace, so the copies a
    test starts meet no copy of Velmoor running outside the test (the developer's own, another
    test's), nor are met by one. Root makes the namespace itself; anyone else in a user
    namespace of their own, mapped to themselves. Called once, before any thread starts."""
    import ctypes
    import fcntl
    import socket
    import struct
    if getattr(isolate_network, "done", False):
        return
    clone_newnet, clone_newuser = 0x40000000, 0x10000000
    libc = ctypes.CDLL(None, use_errno=True)
    uid, gid = os.getuid(), os.getgid()
    if libc.unshare(clone_newnet if uid == 0 else clone_newnet | clone_newuser) != 0:
        raise OSError(ctypes.get_errno(), "cannot make a network namespace for the test")
    if uid != 0:
        for name, text in (("setgroups", "deny"), ("uid_map", "%d %d 1" % (uid, uid)),
                           ("gid_map", "%d %d 1" % (gid, gid))):
            with open("/proc/self/" + name, "w") as f:
                f.write(text)
    # Loopback up, for the stand-in site: SIOCGIFFLAGS, then SIOCSIFFLAGS with IFF_UP.
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        request = struct.pack("16sH22x", b"lo", 0)
        flags = struct.unpack("16sH22x", fcntl.ioctl(s, 0x8913, request))[1]
        fcntl.ioctl(s, 0x8914, struct.pack("16sH22x", b"lo", flags | 0x1))
    isolate_network.done = True


def sha256(path):
    import hashlib
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def rebuilt_copy(top, target):
    """The source tree copied to a new folder (nothing built carried over) and `make target`
    run there, with the dates of this tree's build; the copy's folder."""
    copy = os.path.join(tempfile.mkdtemp(prefix="velmoor-rebuild-"), "velmoor")
    shutil.copytree(top, copy, symlinks=True, ignore=shutil.ignore_patterns("build", "dist", ".git"))
    env = dict(os.environ)
    if "SOURCE_DATE_EPOCH" not in env:  # run by hand: as make does
        env["SOURCE_DATE_EPOCH"] = subprocess.run(["git", "log", "-1", "--format=%ct"], cwd=top, capture_output=True,
                                                  text=True, check=True).stdout.strip()
    subprocess.run(["make", "--no-print-directory", target], cwd=copy, env=env, check=True, stdout=subprocess.DEVNULL)
    return copy


def dead_display():
    """An X display no server answers at."""
    return next(":%d" % n for n in range(90, 1000) if not os.path.exists("/tmp/.X11-unix/X%d" % n))


def read_line(fd, who):
    """The first line a starting server writes to the pipe `fd` (then closed)."""
    line = b""
    while not line.endswith(b"\n"):
        chunk = os.read(fd, 256)
        if not chunk:
            raise RuntimeError("%s did not start" % who)
        line += chunk
    os.close(fd)
    return line.decode().strip()


class FolderWatch:
    """Wakes on the first entry created in a folder, through inotify: polling is too slow
    to catch a program between creating a file and writing it."""

    IN_CREATE = 0x100

    def __init__(self, folder):
        import ctypes
        libc = ctypes.CDLL(None, use_errno=True)
        self.fd = libc.inotify_init1(os.O_CLOEXEC | os.O_NONBLOCK)
        if self.fd < 0 or libc.inotify_add_watch(self.fd, os.fsencode(folder), self.IN_CREATE) < 0:
            raise OSError(ctypes.get_errno(), "inotify on %s" % folder)

    def wait(self, timeout):
        """True once something was created (since the last call), False at the timeout."""
        import select
        if not select.select([self.fd], [], [], timeout)[0]:
            return False
        while True:
            try:
                os.read(self.fd, 65536)
            except BlockingIOError:
                return True

    def close(self):
        os.close(self.fd)


class Program:
    """One started copy of velmoor."""

    def __init__(self, desktop, process, expected_output=()):
        self.desktop = desktop
        self.process = process
        self.pid = process.pid
        # What this copy may say on its standard output and error: a run says nothing
        # unless a scenario provokes it (these texts, each part of a line).
        self.expected_output = list(expected_output)

    def output(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def unexpected_output(self):
        return [line for line in self.output().splitlines()
                if not any(expected in line for expected in self.expected_output)]

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=10):
        return self.process.wait(timeout=timeout)

    def kill(self):
        if self.running():
            self.process.kill()
            self.process.wait(timeout=10)

    # What the accessibility tree shows of this copy.
    def app(self):
        return self.desktop.atspi_app(self.pid)

    def window_containing(self, role, name, timeout=10):
        """The showing top-level window of this copy that holds a showing role/name."""
        d = self.desktop

        def find():
            app = self.app()
            for w in d.children(app) if app is not None else []:
                try:
                    if d.showing(w) and any(a.get_role_name() == role and a.get_name() == name and d.showing(a)
                                            for a in d.descendants(w)):
                        return w
                except Exception:  # noqa: BLE001 - a window going away while it is read
                    continue
            return None
        try:
            return wait_for(find, timeout)
        except AssertionError:
            raise AssertionError("no window showing %s %r; %s" % (role, name, self.describe())) from None

    def describe(self):
        """What this copy shows now, for a failure's message."""
        d = self.desktop
        app = self.app()
        windows = []
        for w in d.children(app) if app is not None else []:
            try:
                windows.append("%s %r%s" % (w.get_role_name(), w.get_name(), "" if d.showing(w) else " (hidden)"))
            except Exception:  # noqa: BLE001 - a window going away while it is read
                windows.append("(gone)")
        return "running %s, X windows %s, active %s, accessible windows [%s]; all its X windows: %s; %s" % (
            self.running(), self.x_windows(), d.active_window(), ", ".join(windows), self.x_window_states(),
            d.helper_states())

    def showing_windows(self):
        app = self.app()
        if app is None:
            return []
        return [(w.get_role_name(), w.get_name()) for w in self.desktop.children(app) if self.desktop.showing(w)]

    def message_box(self, timeout=10):
        """The message box of this copy: (its accessible, the texts it shows)."""
        return wait_for(self.current_box, timeout, message="no message box")

    def current_box(self):
        """The message box this copy shows now, as message_box() gives it; None if none."""
        try:
            return self._read_box()
        except Exception:  # noqa: BLE001 - a box going away while it is read
            return None

    def _read_box(self):
        app = self.app()
        if app is None:
            return None
        for w in self.desktop.children(app):
            if w.get_role_name() in ("dialog", "alert") and w.get_name() == "Velmoor" and self.desktop.showing(w):
                labels = [a for a in self.desktop.descendants(w) if a.get_role_name() == "label" and a.get_name()]
                texts = [a.get_name() for a in labels]
                return w, texts
        return None

    def _search(self, visible, name="."):
        return self.desktop.windows_of(self.pid, visible, name)

    def main_window_shown(self):
        """The visible X windows of this copy titled as the program's windows are."""
        return self._search(True, "^%s$" % CAPTION)

    def x_windows(self):
        """Ids of the visible X windows of this copy."""
        return self._search(True)

    def has_focus(self):
        """Whether the window manager's active window is one of this copy's."""
        return self.desktop.active_window() in self.x_windows()

    def x_window_states(self):
        """Every named X window of this copy, mapped or not, with its map state."""
        states = []
        for window in self._search(False):
            info = subprocess.run(["xwininfo", "-id", str(window)], env=self.desktop.env, capture_output=True,
                                  text=True)
            state = [line.split(":", 1)[1].strip() for line in info.stdout.splitlines() if "Map State" in line]
            states.append("%s %s" % (window, state[0] if state else "?"))
        return "[%s]" % ", ".join(states)


class Desktop:
    def __init__(self, binary, launcher=(), screen="1280x1024x24"):
        """`launcher` runs the binary (["wine"] for the Windows build)."""
        isolate_network()
        self.screen = screen
        self.binary = os.path.abspath(binary)
        self.launcher = list(launcher)
        self.tmp = tempfile.mkdtemp(prefix="velmoor-e2e-")
        self.processes = []
        self.programs = []
        self.home = os.path.join(self.tmp, "home")
        self.runtime = os.path.join(self.tmp, "runtime")
        self.bin = os.path.join(self.tmp, "bin")
        self.logs = os.path.join(self.tmp, "logs")
        for d in (self.home, self.runtime, self.bin, self.logs):
            os.makedirs(d, mode=0o700)
        self.browser_log = os.path.join(self.tmp, "browser.log")
        open(self.browser_log, "w").close()
        with open(os.path.join(self.bin, "xdg-open"), "w") as f:
            f.write(BROWSER)
        os.chmod(os.path.join(self.bin, "xdg-open"), 0o755)
        self.site = Site()
        # A desktop that fails to come up (seen once in about fifteen starts on a loaded
        # machine: the window manager died) is reported, torn down and tried once more.
        for attempt in (1, 2):
            try:
                self._start_x()
                self._start_bus()
                break
            except Exception as error:  # noqa: BLE001 - reported in full below
                report = self._diagnostics(error)
                self._stop_processes()
                if attempt == 2:
                    self.site.stop()
                    shutil.rmtree(self.tmp, ignore_errors=True)
                    raise RuntimeError("the test desktop did not start:\n" + report) from error
                sys.stderr.write("the test desktop did not start; trying once more:\n%s\n" % report)
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        self.Atspi = Atspi
        Atspi.init()

    # --- set-up -------------------------------------------------------------------------
    def _spawn(self, args, log=None, **kw):
        """Starts a helper; with `log`, its output is kept to explain a failure."""
        out = open(os.path.join(self.logs, log + ".log"), "wb") if log else subprocess.DEVNULL
        # A session of its own, so that stopping it stops what it started too (the
        # accessibility bus launcher starts a bus daemon of its own).
        p = subprocess.Popen(args, env=kw.pop("env", self.env), stdin=subprocess.DEVNULL,
                             stdout=kw.pop("stdout", out), stderr=kw.pop("stderr", out), start_new_session=True,
                             **kw)
        if log:
            out.close()
        p.log = log
        self.processes.append(p)
        return p

    def _diagnostics(self, error):
        lines = ["%s: %s" % (type(error).__name__, error)]
        for p in self.processes:
            state = "running" if p.poll() is None else "exited with %s" % p.returncode
            lines.append("%s: %s" % (" ".join(map(str, p.args[:2])), state))
            if p.log:
                with open(os.path.join(self.logs, p.log + ".log"), errors="replace") as f:
                    lines.extend("    " + line for line in f.read().splitlines()[-15:])
        return "\n".join(lines)

    def helper_states(self):
        """Whether each helper still runs; the last lines of a stopped one's output."""
        return "; ".join(self._diagnostics(None).splitlines()[1:])

    def check_alive(self):
        """Raises, with the helpers' output, when the X server or window manager died."""
        dead = [p for p in self.processes if p.log in ("xvfb", "openbox") and p.poll() is not None]
        if dead:
            raise RuntimeError(self._diagnostics(RuntimeError("the test desktop stopped")))

    def _base_env(self):
        """What every program started here sees, besides the display and the buses."""
        env = {
            "PATH": self.bin + ":/usr/local/bin:/usr/bin:/bin",
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "XDG_DATA_HOME": os.path.join(self.home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "XDG_RUNTIME_DIR": self.runtime,
            "LANG": "C.UTF-8",
            "VELMOOR_E2E_BROWSER_LOG": self.browser_log,
            "VELMOOR_E2E_SITE_PORT": str(self.site.port),
        }
        for key in os.environ:
            if key in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS") or key.startswith("WINE"):
                env[key] = os.environ[key]
        return env

    def _start_x(self):
        read, write = os.pipe()
        self.env = self._base_env()
        try:
            self._spawn(["Xvfb", "-displayfd", str(write), "-screen", "0", self.screen, "-nolisten", "tcp"],
                        log="xvfb", pass_fds=(write,))
        finally:
            os.close(write)
        self.env["DISPLAY"] = ":" + read_line(read, "Xvfb")
        # The window manager claims the screen well before it handles events: a window
        # mapped in between can stay unmanaged, never shown, until some other X event
        # wakes the manager. Its start-up command runs once it handles events.
        ready = os.path.join(self.logs, "openbox-ready")
        self._spawn(["openbox", "--sm-disable", "--startup", "touch " + ready], log="openbox")

        def managed():
            self.check_alive()
            return os.path.exists(ready)
        wait_for(managed, 20, message="the window manager did not start")

    def _start_bus(self):
        read, write = os.pipe()
        try:
            self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=%d" % write], log="dbus",
                        pass_fds=(write,))
        finally:
            os.close(write)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = read_line(read, "dbus-daemon")
        self._start_accessibility_bus()

    def _start_accessibility_bus(self):
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.env["NO_AT_BRIDGE"] = "0"
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], log="at-spi")
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "XAUTHORITY", "DBUS_SESSION_BUS_ADDRESS",
                                                    "XDG_RUNTIME_DIR") if k in self.env})
        wait_for(lambda: subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                                         "/org/a11y/bus", "org.a11y.Bus.GetAddress"], env=self.env,
                                        capture_output=True).returncode == 0,
                 20, message="the accessibility bus did not start")

    def _stop_processes(self):
        for p in reversed(self.processes):
            try:
                os.killpg(p.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()
            try:
                os.killpg(p.pid, signal.SIGKILL)  # anything of its group still there
            except ProcessLookupError:
                pass
        self.processes.clear()

    def close(self):
        for program in self.programs:
            program.kill()
        self._stop_processes()
        self.site.stop()
        if not os.environ.get("VELMOOR_E2E_KEEP"):
            shutil.rmtree(self.tmp, ignore_errors=True)

    # --- the program ------------------------------------------------------------------
    def start(self, days_later=0, env=None, user=None, binary=None, arguments=(), expected_output=()):
        """Starts a copy; days_later moves its wall clock (timers keep real time); `env`
        adds to or (with None values) removes from its environment; `expected_output`: what
        it may say (parts of lines), the scenario having provoked it."""
        self.check_alive()
        run_env = dict(self.env)
        if days_later:
            run_env["LD_PRELOAD"] = FAKETIME
            run_env["FAKETIME"] = "%+dd" % days_later
            run_env["FAKETIME_DONT_FAKE_MONOTONIC"] = "1"
            run_env["ASAN_OPTIONS"] = run_env.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0"
        for key, value in (env or {}).items():
            if value is None:
                run_env.pop(key, None)
            else:
                run_env[key] = value
        if "XDG_RUNTIME_DIR" not in run_env:  # Qt says where it puts one instead
            expected_output = [*expected_output, "QStandardPaths: XDG_RUNTIME_DIR not set"]
        log_path = os.path.join(self.tmp, "velmoor-%d.log" % len(self.programs))
        with open(log_path, "wb") as log:
            as_user = {"user": user, "group": user, "extra_groups": []} if user is not None else {}
            process = subprocess.Popen([*self.launcher, binary or self.binary, *arguments], env=run_env,
                                       stdin=subprocess.DEVNULL, stdout=log, stderr=log, **as_user)
        program = Program(self, process, expected_output)
        program.log_path = log_path
        self.programs.append(program)
        return program

    def settings_file(self):
        return os.path.join(self.home, ".config", "velmoor", "velmoor.conf")

    def browser_addresses(self):
        with open(self.browser_log, encoding="utf-8") as f:
            return f.read().splitlines()

    def wait_pages(self, count, timeout=10):
        wait_for(lambda: len(self.site.pages()) >= count, timeout,
                 message="site saw %s, wanted %d" % (self.site.pages(), count))
        time.sleep(0.3)  # anything more that would arrive
        return self.site.pages()

    # --- the accessibility tree ---------------------------------------------------------
    def atspi_app(self, pid):
        desktop = self.Atspi.get_desktop(0)
        desktop.clear_cache()
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    app.clear_cache()
                    return app
            except Exception:
                continue
        return None

    def children(self, acc):
        out = []
        try:
            for i in range(acc.get_child_count()):
                child = acc.get_child_at_index(i)
                if child is not None:
                    out.append(child)
        except Exception:
            pass
        return out

    def descendants(self, acc):
        out = []
        for child in self.children(acc):
            out.append(child)
            out.extend(self.descendants(child))
        return out

    def showing(self, acc):
        try:
            return acc.get_state_set().contains(self.Atspi.StateType.SHOWING)
        except Exception:
            return False

    def find(self, root, role, name=None, showing=True, timeout=5):
        def look():
            for acc in self.descendants(root):
                try:
                    if acc.get_role_name() == role and (name is None or acc.get_name() == name) \
                            and (not showing or self.showing(acc)):
                        return acc
                except Exception:
                    continue
            return None
        return wait_for(look, timeout, message="no %s %r" % (role, name))

    def text_of(self, acc):
        return self.Atspi.Text.get_text(acc, 0, self.Atspi.Text.get_character_count(acc))

    def centre(self, acc):
        x, y, w, h = self.extents(acc)
        return x + w // 2, y + h // 2

    def extents(self, acc):
        """Where an accessible is on the screen: x, y, w, h."""
        r = self.Atspi.Component.get_extents(acc, self.Atspi.CoordType.SCREEN)
        return r.x, r.y, r.width, r.height

    # --- X input and output -----------------------------------------------------------
    def xdotool(self, *args):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True,
                              capture_output=True, text=True).stdout

    def click(self, acc):
        x, y = self.centre(acc)
        self.click_at(x, y)

    def click_at(self, x, y, button=1):
        # xdotool's --sync waits (15 s) for a move that never comes when the pointer is
        # already there.
        if self.xdotool("getmouselocation").split()[:2] != ["x:%d" % x, "y:%d" % y]:
            self.xdotool("mousemove", "--sync", x, y)
        self.xdotool("click", button)
        self.settle()

    def key(self, *keys):
        self.xdotool("key", "--delay", 60, *keys)
        self.settle()

    def type(self, text):
        """Types ASCII text with real key presses into the focused control."""
        assert text.isascii(), "use enter() for text beyond ASCII"
        self.xdotool("type", "--delay", 20, "--", text)
        self.settle()

    def enter(self, field, text):
        """Puts text into the focused field at its caret: real keys for ASCII, the
        accessibility tree's text insertion for anything else (xdotool drops characters
        outside the keyboard map when they follow each other)."""
        if text.isascii():
            return self.type(text)
        caret = self.Atspi.Text.get_caret_offset(field)
        self.Atspi.EditableText.insert_text(field, caret, text, len(text))
        self.settle()

    def paste(self, field, text):
        """Replaces the field's text at once, as pasting over a selection does."""
        self.Atspi.EditableText.set_text_contents(field, text)
        self.settle()

    def settle(self):
        """Returns once every running copy has handled the input sent so far. The X server
        holds the input by the time xdotool returns; a copy answers the accessibility bus
        from the same event loop that handles that input, so one answered call from each
        copy means the input before it was taken in."""
        for program in self.programs:
            if not program.running():
                continue
            app = self.atspi_app(program.pid)
            try:
                for window in self.children(app) if app is not None else []:
                    self.Atspi.Component.get_extents(window, self.Atspi.CoordType.SCREEN)
            except Exception:  # noqa: BLE001 - a copy that just ended answers nothing
                pass

    def hold_selection(self, data=None, target="UTF8_STRING", selection="clipboard"):
        """Puts `data` (bytes, of the type `target`) on an X selection ("clipboard" or
        "primary"), served by a small program until the next call for that selection; with
        None the selection is left with no owner, as when the program that copied has ended."""
        owners = self.__dict__.setdefault("selection_owners", {})
        if selection in owners:
            owner = owners.pop(selection)
            owner.kill()
            owner.wait()
        if data is None:
            return
        path = os.path.join(self.tmp, "selection-" + selection)
        with open(path, "wb") as f:
            f.write(data)
        owners[selection] = self._spawn(["xclip", "-quiet", "-selection", selection, "-t", target, "-i", path])
        wait_for(lambda: target in subprocess.run(["xclip", "-o", "-selection", selection, "-t", "TARGETS"],
                                                  env=self.env, capture_output=True, text=True).stdout,
                 10, message="xclip did not take the %s selection" % selection)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True)

    def grab(self, x, y, w, h):
        """A rectangle of the screen as a binary PPM."""
        return subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "-depth", "8",
                               "ppm:-"], env=self.env, capture_output=True, check=True).stdout

    def pixel(self, x, y):
        """The colour at a screen position, as (r, g, b)."""
        data = self.grab(x, y, 1, 1)
        return tuple(data[-3:])

    def screen_size(self):
        return tuple(int(n) for n in self.screen.split("x")[:2])

    def windows_of(self, pid, visible=True, name="."):
        """Ids of the windows of process `pid` whose title matches the pattern."""
        out = subprocess.run(["xdotool", "search", "--all", *(["--onlyvisible"] if visible else []), "--pid",
                              str(pid), "--name", name], env=self.env, capture_output=True, text=True)
        return [int(x) for x in out.stdout.split()]

    def frame(self, window_id):
        """The window's outer rectangle, the window manager's frame included: x, y, w, h."""
        info = subprocess.run(["xwininfo", "-id", str(window_id)], env=self.env, capture_output=True,
                              text=True).stdout
        v = {k.strip(): val.strip() for k, _, val in (line.partition(":") for line in info.splitlines())}
        x, y, w, h = (int(v[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
        left, right, top, bottom = self.frame_extents(window_id)
        return x - left, y - top, w + left + right, h + top + bottom

    def frame_extents(self, window_id):
        """The window manager's frame around a window: left, right, top, bottom."""
        extents = subprocess.run(["xprop", "-id", str(window_id), "_NET_FRAME_EXTENTS"], env=self.env,
                                 capture_output=True, text=True).stdout
        return [int(n) for n in extents.split("=")[1].split(",")] if "=" in extents else [0, 0, 0, 0]

    def other_program(self):
        """Another program's window, large, behind ours: (its process, its window id)."""
        other = self._spawn(["xmessage", "-title", "another-program", "-geometry", "1000x800+0+0",
                             "another program"])
        wid = wait_for(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^another-program$"],
                                              env=self.env, capture_output=True, text=True).stdout.split(), 10)
        return other, int(wid[0])

    def activate(self, window_id):
        """Brings a window to the front with the focus, as the window manager would on a click."""
        self.xdotool("windowactivate", "--sync", window_id)
        self.settle()

    def window_state(self, window_id):
        return subprocess.run(["xprop", "-id", str(window_id), "_NET_WM_STATE"], env=self.env,
                              capture_output=True, text=True).stdout

    def stacking(self):
        out = subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], env=self.env,
                             capture_output=True, text=True).stdout
        return [int(x.strip().rstrip(","), 16) for x in out.split("#")[-1].split()] if "#" in out else []

    def active_window(self):
        try:
            return int(self.xdotool("getactivewindow").strip())
        except subprocess.CalledProcessError:
            return None
