"""The test desktop on GNOME Shell, headless, on Wayland with Xwayland: the same Desktop to
the scenarios, with the shell as window manager and compositor.

The shell runs as an unprivileged user (made here when the tests run as root) with a home,
a runtime folder and a second bus of its own standing in for the system bus, and with a
test-only extension that opens the shell's Eval. What the X server told the Desktop before
(windows, frames, focus, stacking, pixels, input) the shell tells it now: windows by id,
X11 ones by their X id and Wayland ones by a negative one; input through the shell's
virtual pointer and keyboard, so that the shell sees every click as a person's.
"""

import json
import os
import pwd
import re
import subprocess
import time

from harness import Desktop, dead_display, read_line, wait_for

USER = "velmoor-e2e"
EXTENSION = "velmoor-e2e@velmoor.example"
SIZE = (1024, 768)

# Every window the shell manages, bottom to top.
WINDOWS = """
const Clutter = imports.gi.Clutter;
JSON.stringify(global.display.sort_windows_by_stacking(
    global.get_window_actors().map(a => a.meta_window)).map(w => {
  const f = w.get_frame_rect(), x11 = w.get_client_type() === 1;
  return {id: x11 ? parseInt(w.get_description(), 16) : -Number(w.get_id()), pid: w.get_pid(),
          title: w.get_title() || "", frame: [f.x, f.y, f.width, f.height], above: w.is_above(),
          focus: w.has_focus(), shown: !w.minimized && w.showing_on_its_workspace(), x11: x11};
}))"""


class GnomeShellDesktop(Desktop):
    def __init__(self, binary, launcher=(), screen=None, native_wayland=False):
        super().__init__(binary, launcher, "%dx%d" % SIZE)
        self.native_wayland = native_wayland
        if native_wayland:
            # The program started as on a desktop whose X server has gone: it finds the
            # compositor by itself.
            self.env["DISPLAY"] = dead_display()

    # --- set-up -------------------------------------------------------------------------
    def _shell_user(self):
        if os.geteuid() != 0:
            return os.geteuid(), os.getegid()
        try:
            entry = pwd.getpwnam(USER)
        except KeyError:
            subprocess.run(["useradd", "--system", "--no-create-home", "--shell", "/usr/sbin/nologin", USER],
                           check=True)
            entry = pwd.getpwnam(USER)
        return entry.pw_uid, entry.pw_gid

    def _start_x(self):
        uid, gid = self._shell_user()
        os.chmod(self.tmp, 0o711)
        shell = os.path.join(self.tmp, "shell")
        home, runtime = os.path.join(shell, "home"), os.path.join(shell, "runtime")
        self.shots = os.path.join(shell, "screenshots")  # written by the shell
        extension = os.path.join(home, ".local", "share", "gnome-shell", "extensions", EXTENSION)
        settings = os.path.join(home, ".config", "glib-2.0", "settings")
        for folder in (extension, settings, runtime, self.shots):
            os.makedirs(folder, mode=0o700)
        with open(os.path.join(extension, "metadata.json"), "w") as f:
            json.dump({"uuid": EXTENSION, "name": "Velmoor tests", "shell-version": ["43"],
                       "description": "Opens the shell's Eval to the end-to-end tests"}, f)
        with open(os.path.join(extension, "extension.js"), "w") as f:
            f.write("function init() {}\nfunction enable() { global.context.unsafe_mode = true; }\n"
                    "function disable() {}\n")
        with open(os.path.join(settings, "keyfile"), "w") as f:
            f.write("[org/gnome/shell]\nenabled-extensions=['%s']\n\n[org/gnome/desktop/notifications]\n"
                    "show-banners=false\n\n[org/gnome/desktop/interface]\nenable-animations=false\n" % EXTENSION)
        for top, folders, files in os.walk(shell):
            for name in [top] + [os.path.join(top, n) for n in folders + files]:
                os.chown(name, uid, gid)
        self.env = self._base_env()
        # One bus the shell and the tests share (any user may use it), and one of the
        # shell's own where the system bus would be: the shell stops without one.
        config = os.path.join(self.tmp, "bus.conf")
        with open(config, "w") as f:
            f.write('<busconfig><include>/usr/share/dbus-1/session.conf</include>'
                    '<policy context="default"><allow user="*"/></policy></busconfig>')
        buses = []
        for log in ("dbus", "dbus-system"):
            read, write = os.pipe()
            try:
                self._spawn(["dbus-daemon", "--config-file=" + config, "--nofork", "--print-address=%d" % write],
                            log=log, pass_fds=(write,))
            finally:
                os.close(write)
            buses.append(read_line(read, log))
        self.env["DBUS_SESSION_BUS_ADDRESS"] = buses[0]
        shell_env = {"HOME": home, "XDG_RUNTIME_DIR": runtime, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                     "XDG_DATA_HOME": os.path.join(home, ".local", "share"), "GSETTINGS_BACKEND": "keyfile",
                     "DBUS_SESSION_BUS_ADDRESS": buses[0], "DBUS_SYSTEM_BUS_ADDRESS": buses[1],
                     "PATH": "/usr/bin:/bin", "LANG": "C.UTF-8"}
        self._spawn(["gnome-shell", "--headless", "--wayland", "--virtual-monitor", "%dx%d" % SIZE],
                    log="gnome-shell", env=shell_env, user=uid, group=gid, extra_groups=[])
        from gi.repository import Gio
        self.bus = Gio.DBusConnection.new_for_address_sync(
            buses[0], Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)

        def ready():
            self.check_alive()
            try:
                return self.eval("global.context.unsafe_mode") is True
            except Exception:  # noqa: BLE001 - not on the bus yet
                return False
        wait_for(ready, 60, interval=0.2, message="the shell did not start")
        # It opens on the overview once it has started up: the desktop is ready when that is
        # closed.
        wait_for(lambda: self.eval("const main = imports.ui.main; main.overview.hide();"
                                   " !main.layoutManager._startingUp && !main.overview.visible"), 20, interval=0.2,
                 message="the shell's overview stayed open")
        # The virtual pointer and keyboard, made well before their first use: the events of a
        # device made a moment ago go nowhere.
        self.eval("const Clutter = imports.gi.Clutter; const seat = Clutter.get_default_backend().get_default_seat();"
                  " global.velmoorPointer = seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);"
                  " global.velmoorKeys = seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE); true")
        x11 = self.eval("[GLib.getenv('DISPLAY'), GLib.getenv('XAUTHORITY')]")
        self.env.update(DISPLAY=x11[0], XAUTHORITY=x11[1], WAYLAND_DISPLAY=os.path.join(runtime, "wayland-0"))

    def _start_bus(self):
        self._start_accessibility_bus()

    def check_alive(self):
        if any(p.log == "gnome-shell" and p.poll() is not None for p in self.processes):
            raise RuntimeError(self._diagnostics(RuntimeError("the shell stopped")))

    # --- the shell ----------------------------------------------------------------------
    def eval(self, script):
        """Runs JavaScript in the shell; its value, through JSON."""
        from gi.repository import GLib
        reply = self.bus.call_sync("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell", "Eval",
                                   GLib.Variant("(s)", (script,)), None, 0, 10000, None).unpack()
        if not reply[0]:
            raise RuntimeError("the shell's Eval failed: %s" % reply[1])
        return json.loads(reply[1]) if reply[1] else None

    def windows(self):
        """The windows a person can see, bottom to top (the shell keeps one of its own off
        the screen)."""
        return [w for w in json.loads(self.eval(WINDOWS))
                if w["frame"][0] + w["frame"][2] > 0 and w["frame"][1] + w["frame"][3] > 0]

    def window(self, window_id):
        return next((w for w in self.windows() if w["id"] == window_id), None)

    def windows_of(self, pid, visible=True, name="."):
        return [w["id"] for w in self.windows()
                if w["pid"] == pid and (w["shown"] or not visible) and re.search(name, w["title"])]

    def frame(self, window_id):
        return tuple(self.window(window_id)["frame"])

    def stacking(self):
        return [w["id"] for w in self.windows()]

    def active_window(self):
        return next((w["id"] for w in self.windows() if w["focus"]), None)

    def window_state(self, window_id):
        return "_NET_WM_STATE_ABOVE" if self.window(window_id)["above"] else ""

    def other_program(self):
        """A native Wayland program's window."""
        env = dict(self.env, GDK_BACKEND="wayland")
        other = self._spawn(["zenity", "--info", "--title", "another-program", "--text", "another program",
                             "--width", "900", "--height", "700"], env=env)
        wid = wait_for(lambda: self.windows_of(other.pid, name="^another-program$"), 20)[0]
        # The shell gives a new window the focus once it has drawn it: wait for that, or it
        # could take the focus from a window activated after this returns.
        wait_for(lambda: self.active_window() == wid, 10, message="the other program never got the focus")
        return other, wid

    def activate(self, window_id):
        """Clicks the window's title bar, as a person would; when another window covers it
        there, asks the shell to activate it, as the task bar would."""
        windows = self.windows()
        index = next((i for i, w in enumerate(windows) if w["id"] == window_id), None)
        if index is None:
            raise AssertionError("window %s is gone: %s" % (window_id, windows))
        x, y, w, h = windows[index]["frame"]
        spot = (x + w // 2, y + 10)
        if any(o["frame"][0] <= spot[0] < o["frame"][0] + o["frame"][2]
               and o["frame"][1] <= spot[1] < o["frame"][1] + o["frame"][3] for o in windows[index + 1:]):
            self.eval("global.get_window_actors().map(a => a.meta_window).find(w => %s === (w.get_client_type()"
                      " === 1 ? parseInt(w.get_description(), 16) : -Number(w.get_id())))"
                      ".activate(global.get_current_time()); true" % window_id)
        else:
            self.click_at(*spot)
        wait_for(lambda: self.active_window() == window_id, 5, message="window %s not activated" % window_id)

    def extents(self, acc):
        """A native Wayland client knows nothing of where its windows are: the accessible's
        place in its window plus the window's place, from the shell, within the title bar
        and edges that Qt draws around it (as thick at the sides as at the bottom)."""
        x, y, w, h = super().extents(acc)
        if not self.native_wayland:
            return x, y, w, h
        top = acc
        while top.get_parent() is not None and top.get_parent().get_role_name() != "application":
            top = top.get_parent()
        _, _, inner_w, inner_h = super().extents(top)
        pid = top.get_process_id()

        def frame():
            return next((o["frame"] for o in reversed(self.windows())
                         if o["pid"] == pid and o["title"] == top.get_name() and o["frame"][2] >= inner_w), None)
        # A window the shell has just shown may still be placed: the frame once it stays put.
        seen = [frame()]

        def still():
            time.sleep(0.05)
            seen.append(frame())
            return seen[-1] is not None and seen[-1] == seen[-2] and seen[-1]
        frame = wait_for(still, 2)
        edge = (frame[2] - inner_w) // 2
        return frame[0] + edge + x, frame[1] + frame[3] - edge - inner_h + y, w, h

    # --- input and output -----------------------------------------------------------------
    def settle(self):
        """As on X, and then until the shell shows every window that a copy shows (input
        sent before then would go to the window that had the focus)."""
        super().settle()

        def shown():
            counts = {}
            for w in self.windows():
                counts[w["pid"]] = counts.get(w["pid"], 0) + w["shown"]
            return all(counts.get(p.pid, 0) >= len(p.showing_windows()) for p in self.programs if p.running())
        try:
            wait_for(shown, 2)
            # Between one window going and the next taking the focus, input goes nowhere.
            wait_for(lambda: self.active_window() is not None, 1)
        except AssertionError:
            pass  # a window the shell keeps hidden or unfocused: the test that cares will say so

    def _input(self, script):
        self.settle()
        self.eval("""(() => { const Clutter = imports.gi.Clutter;
            const pointer = global.velmoorPointer, keys = global.velmoorKeys;
            let t = GLib.get_monotonic_time();
            const key = (keyval, state) => keys.notify_keyval(t++, keyval, state);
            %s; return true; })()""" % script)

    def click_at(self, x, y):
        self._input("pointer.notify_absolute_motion(t++, %d, %d)" % (x, y))
        time.sleep(0.1)  # the window under the pointer learns of it before the press
        self._input("pointer.notify_button(t++, Clutter.BUTTON_PRIMARY, Clutter.ButtonState.PRESSED);"
                    "pointer.notify_button(t++, Clutter.BUTTON_PRIMARY, Clutter.ButtonState.RELEASED)")
        self.settle()

    MODIFIERS = {"alt": "Alt_L", "ctrl": "Control_L", "shift": "Shift_L", "super": "Super_L"}

    def key(self, *keys):
        for combination in keys:
            names = [self.MODIFIERS.get(part, part) for part in combination.split("+")]
            values = ", ".join("Clutter.KEY_%s" % name for name in names)
            self._input("const values = [%s]; values.forEach(v => key(v, Clutter.KeyState.PRESSED));"
                        "values.reverse().forEach(v => key(v, Clutter.KeyState.RELEASED))" % values)
            self.settle()
            time.sleep(0.15)  # a menu it opens is mapped by the shell before the next key

    def type(self, text):
        self._input("for (const c of %s) { const v = Clutter.unicode_to_keysym(c.codePointAt(0));"
                    " key(v, Clutter.KeyState.PRESSED); key(v, Clutter.KeyState.RELEASED); }" % json.dumps(text))
        self.settle()

    def screenshot(self, path):
        from gi.repository import GLib
        reply = self.bus.call_sync("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                                   "org.gnome.Shell.Screenshot", "Screenshot",
                                   GLib.Variant("(bbs)", (False, False, os.path.abspath(path))), None, 0, 10000, None)
        if not reply.unpack()[0]:
            raise RuntimeError("the shell took no screenshot")

    def grab(self, x, y, w, h):
        png = os.path.join(self.shots, "grab.png")  # made by the shell, as its user
        try:
            self.screenshot(png)
            return subprocess.run(["convert", png, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-depth", "8",
                                   "ppm:-"], capture_output=True, check=True).stdout
        finally:
            os.remove(png)
