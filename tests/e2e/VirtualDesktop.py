"""The tests' own desktop: Xvfb, a window manager (so that a close goes through the window's close
handler, as a click on its close button does), pictures of windows, and private session buses."""

import dataclasses
import os
import select
import shutil
import subprocess
import time

try:
    from Xlib import X, Xatom, display as xdisplay, error as xerror
    from Xlib.protocol import event
except ImportError:  # python3-xlib is missing: no desktop can be had, as without Xvfb
    xdisplay = None

SCREEN_WIDTH, SCREEN_HEIGHT = 480, 640
START_TIMEOUT = 15  # seconds for the server, the window manager or a bus to come up


class DesktopUnavailable(Exception):
    pass


def wait_until(condition, timeout, interval=0.05):
    """Polls condition until it gives something true or timeout seconds pass; gives its result."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result or time.monotonic() >= deadline:
            return result
        time.sleep(interval)  # fixed wait: the poll step of a bounded wait


def stop_process(process):
    process.terminate()  # nothing when it has ended
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(timeout=5)


def first_line(stream):
    """The first line a starting server writes to stream, or "" when none comes in time."""
    ready, _, _ = select.select([stream], [], [], START_TIMEOUT)
    return stream.readline().strip() if ready else ""


@dataclasses.dataclass(frozen=True)
class WindowPicture:
    """Pixels in rows from the top, four bytes each (blue, green, red, unused)."""
    width: int
    height: int
    pixels: bytes = dataclasses.field(repr=False)

    def colour(self, x, y):
        """(red, green, blue) at x, y."""
        start = (y * self.width + x) * 4
        return tuple(reversed(self.pixels[start:start + 3]))

    def crop(self, left, top, width, height):
        starts = (((top + y) * self.width + left) * 4 for y in range(height))
        return WindowPicture(width, height,
                             b"".join(self.pixels[start:start + width * 4] for start in starts))

    def ink(self, background=None):
        """How many pixels stand out from background, by default the colour at the top left."""
        red, green, blue = background or self.colour(1, 1)
        pixels = self.pixels
        return sum(max(abs(pixels[i + 2] - red), abs(pixels[i + 1] - green), abs(pixels[i] - blue))
                   > 48 for i in range(0, len(pixels), 4))

    def rgb(self):
        """The pixels as bytes of red, green and blue."""
        return bytes(self.pixels[i + c] for i in range(0, len(self.pixels), 4) for c in (2, 1, 0))


class VirtualDesktop:
    def __init__(self, scratch, size=(SCREEN_WIDTH, SCREEN_HEIGHT)):
        missing = [name for name in ("Xvfb", "openbox", "xdotool", "dbus-daemon")
                   if shutil.which(name) is None] + ["python3-xlib"] * (xdisplay is None)
        if missing:
            raise DesktopUnavailable("missing: " + ", ".join(missing))
        self._processes, self.connection = [], None
        try:
            self._start(scratch, size)
        except BaseException:
            self.close()
            raise

    def _start(self, scratch, size):
        # Xvfb picks a free display and writes its number to the pipe, so suites side by side
        # never race for one.
        read_end, write_end = os.pipe()
        self._processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset",
             "-screen", "0", "%dx%dx24" % size],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write_end)
        with os.fdopen(read_end, "rb") as pipe:
            number = first_line(pipe)
        if not number.isdigit():
            raise DesktopUnavailable("Xvfb did not start")
        self.name = ":" + number.decode()
        self.connection = xdisplay.Display(self.name)
        # The manager's own defaults (new windows focused, placed where an empty screen puts
        # them), not the settings of whoever runs the tests.
        config = os.path.join(scratch, "openbox-rc.xml")
        with open(config, "w") as file:
            file.write('<openbox_config xmlns="http://openbox.org/3.4/rc"/>\n')
        self._processes.append(subprocess.Popen(
            ["openbox", "--sm-disable", "--config-file", config],
            env=dict(os.environ, DISPLAY=self.name),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        if not wait_until(lambda: self.root_property("_NET_SUPPORTING_WM_CHECK"), START_TIMEOUT):
            raise DesktopUnavailable("the window manager did not start")

    def close(self):
        if self.connection is not None:
            self.connection.close()
        for process in reversed(self._processes):
            stop_process(process)

    def atom(self, name):
        return self.connection.intern_atom(name)

    def window(self, window_id):
        return self.connection.create_resource_object("window", window_id)

    def root_property(self, name):
        reply = self.connection.screen().root.get_full_property(self.atom(name), X.AnyPropertyType)
        return [] if reply is None else list(reply.value)

    def client_windows(self):
        """The managed top-level windows, from the bottom of the stack to the front."""
        return self.root_property("_NET_CLIENT_LIST_STACKING")

    def active_window(self):
        return (self.root_property("_NET_ACTIVE_WINDOW") or [None])[0]

    def window_property(self, window_id, name, kind):
        try:
            reply = self.window(window_id).get_full_property(self.atom(name), kind)
        except xerror.XError:  # the window has gone meanwhile
            return None
        return None if reply is None else reply.value

    def window_pid(self, window_id):
        return (self.window_property(window_id, "_NET_WM_PID", Xatom.CARDINAL) or [None])[0]

    def window_title(self, window_id):
        title = self.window_property(window_id, "_NET_WM_NAME", self.atom("UTF8_STRING"))
        return title.decode("utf-8") if isinstance(title, bytes) else title

    def window_geometry(self, window_id):
        """(x, y, width, height) of the window's inside, in screen coordinates."""
        window = self.window(window_id)
        geometry = window.get_geometry()
        origin = window.translate_coords(self.connection.screen().root, 0, 0)
        return -origin.x, -origin.y, geometry.width, geometry.height

    def picture(self, window_id):
        geometry = self.window(window_id).get_geometry()
        image = self.window(window_id).get_image(0, 0, geometry.width, geometry.height,
                                                 X.ZPixmap, 0xFFFFFFFF)
        return WindowPicture(geometry.width, geometry.height, bytes(image.data))

    def send_close_request(self, window_id):
        """Asks the window to close as the manager's close button does (WM_DELETE_WINDOW)."""
        window = self.window(window_id)
        window.send_event(event.ClientMessage(
            window=window, client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])),
            event_mask=X.NoEventMask)
        self.connection.flush()

    def run_input(self, *arguments):
        """Runs xdotool on this desktop; its input goes through XTEST, as real input does."""
        subprocess.run(["xdotool", *arguments], env=dict(os.environ, DISPLAY=self.name),
                       check=True, timeout=20, stdout=subprocess.DEVNULL)

