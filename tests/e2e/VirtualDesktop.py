"""A desktop of its own for the tests: an Xvfb server on a free display, a window manager on it
(so that closing a window goes through its close handler, as a person's click on the close
button does) and a connection for looking at windows and pictures."""

import os
import shutil
import subprocess
import time

from Xlib import X, Xatom, display as xdisplay, error as xerror
from Xlib.protocol import event

from WindowPicture import WindowPicture

SCREEN_WIDTH = 480
SCREEN_HEIGHT = 640

REQUIRED_PROGRAMS = ("Xvfb", "openbox", "xdotool", "dbus-daemon")


class DesktopUnavailable(Exception):
    """No X server can be had here; the suite is skipped, not failed."""


def wait_until(condition, timeout, interval=0.05):
    """Polls condition until it returns something true or timeout seconds pass; returns the
    last result."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result or time.monotonic() >= deadline:
            return result
        time.sleep(interval)


class VirtualDesktop:
    def __init__(self, scratch):
        missing = [name for name in REQUIRED_PROGRAMS if shutil.which(name) is None]
        if missing:
            raise DesktopUnavailable("missing programs: " + ", ".join(missing))
        self._scratch = scratch
        self._server = None
        self._manager = None
        self.connection = None
        self.name = None

    def __enter__(self):
        self._start_server()
        self.connection = xdisplay.Display(self.name)
        self._start_manager()
        return self

    def __exit__(self, *exception):
        if self.connection is not None:
            self.connection.close()
        for process in (self._manager, self._server):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(timeout=5)

    def _start_server(self):
        # Xvfb picks a free display itself and writes its number to the pipe, so suites
        # running side by side never race for one.
        read_end, write_end = os.pipe()
        self._server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset",
             "-screen", "0", "%dx%dx24" % (SCREEN_WIDTH, SCREEN_HEIGHT)],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 15
        with os.fdopen(read_end, "rb") as pipe:
            os.set_blocking(pipe.fileno(), False)
            while not number.endswith(b"\n") and time.monotonic() < deadline:
                if self._server.poll() is not None:
                    break
                chunk = pipe.read()
                if chunk:
                    number += chunk
                else:
                    time.sleep(0.05)
        if not number.strip().isdigit():
            raise DesktopUnavailable("Xvfb did not start")
        self.name = ":" + number.strip().decode()

    def _start_manager(self):
        self._manager = subprocess.Popen(
            ["openbox", "--sm-disable", "--config-file", self._write_manager_config()],
            env=dict(os.environ, DISPLAY=self.name),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        supporting = self.connection.intern_atom("_NET_SUPPORTING_WM_CHECK")
        if not wait_until(lambda: self._root_property(supporting) is not None, 15):
            raise DesktopUnavailable("the window manager did not start")

    def _write_manager_config(self):
        # New windows open in the top-left corner, where the manager's default would put them
        # anyway on an empty screen; no animations, so pictures settle at once.
        path = os.path.join(self._scratch, "openbox-rc.xml")
        with open(path, "w") as file:
            file.write('<?xml version="1.0"?>\n'
                       '<openbox_config xmlns="http://openbox.org/3.4/rc">'
                       '<placement><policy>Smart</policy></placement>'
                       '<theme><animateIconify>no</animateIconify></theme>'
                       '<focus><focusNew>yes</focusNew></focus>'
                       '</openbox_config>\n')
        return path

    def atom(self, name):
        return self.connection.intern_atom(name)

    def _root_property(self, atom):
        root = self.connection.screen().root
        reply = root.get_full_property(atom, X.AnyPropertyType)
        return None if reply is None else reply.value

    def client_windows(self):
        """Ids of the top-level windows the manager manages."""
        value = self._root_property(self.atom("_NET_CLIENT_LIST"))
        return [] if value is None else list(value)

    def active_window(self):
        value = self._root_property(self.atom("_NET_ACTIVE_WINDOW"))
        return value[0] if value is not None and len(value) else None

    def window(self, window_id):
        return self.connection.create_resource_object("window", window_id)

    def window_pid(self, window_id):
        try:
            reply = self.window(window_id).get_full_property(self.atom("_NET_WM_PID"),
                                                             Xatom.CARDINAL)
        except xerror.XError:
            return None
        return None if reply is None else reply.value[0]

    def window_title(self, window_id):
        try:
            reply = self.window(window_id).get_full_property(self.atom("_NET_WM_NAME"),
                                                             self.atom("UTF8_STRING"))
        except xerror.XError:
            return None
        if reply is None:
            return None
        value = reply.value
        return value.decode("utf-8") if isinstance(value, bytes) else value

    def window_geometry(self, window_id):
        """(x, y, width, height) of the window's inside, in screen coordinates."""
        window = self.window(window_id)
        geometry = window.get_geometry()
        origin = window.translate_coords(self.connection.screen().root, 0, 0)
        return -origin.x, -origin.y, geometry.width, geometry.height

    def picture(self, window_id):
        window = self.window(window_id)
        geometry = window.get_geometry()
        image = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
        return WindowPicture(geometry.width, geometry.height, image.data)

    def framed_picture(self, window_id):
        """The window with the manager's frame around it, as a person sees it on screen."""
        window = self.window(window_id)
        root = self.connection.screen().root
        while True:
            parent = window.query_tree().parent
            if parent.id == root.id:
                return self.picture(window.id)
            window = parent

    def send_close_request(self, window_id):
        """Asks the window to close as the manager's close button does (WM_DELETE_WINDOW)."""
        window = self.window(window_id)
        message = event.ClientMessage(
            window=window, client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=X.NoEventMask)
        self.connection.flush()

    def open_other_window(self, title):
        """Opens a plain window of another program over the whole screen and waits until the
        manager has made it the active one; returns its id."""
        screen = self.connection.screen()
        window = screen.root.create_window(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, 0,
                                           screen.root_depth,
                                           background_pixel=screen.white_pixel)
        window.set_wm_name(title)
        window.set_wm_protocols([self.atom("WM_DELETE_WINDOW")])
        window.map()
        self.connection.flush()
        if not wait_until(lambda: window.id in self.client_windows(), 10):
            raise AssertionError("the other window was not managed")
        self.run_input("windowactivate", "--sync", str(window.id))
        if not wait_until(lambda: self.active_window() == window.id, 10):
            raise AssertionError("the other window did not become active")
        return window.id

    def destroy_window(self, window_id):
        self.window(window_id).destroy()
        self.connection.flush()

    def stacking_order(self):
        """Managed windows from the bottom to the front."""
        value = self._root_property(self.atom("_NET_CLIENT_LIST_STACKING"))
        return [] if value is None else list(value)

    def run_input(self, *arguments):
        """Runs xdotool on this desktop; input goes through the XTEST extension, as real input."""
        subprocess.run(["xdotool", *arguments], env=dict(os.environ, DISPLAY=self.name),
                       check=True, timeout=20, stdout=subprocess.DEVNULL)
