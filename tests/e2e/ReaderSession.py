"""One user's reader: its own settings and runtime folders and session bus, the installed binary
started on the test desktop, and what a person does with its window (look, tap, press keys,
close it or have it killed)."""

import os
import signal
import subprocess
import time

import RegistryFile
from VirtualDesktop import wait_until
from WindowRegions import WindowRegions

WINDOW_TIMEOUT = 60      # seconds for a start to show its window on a loaded machine
PICTURE_TIMEOUT = 10     # seconds for the window to show what an input asks for
EXIT_TIMEOUT = 15        # seconds for a closed or handed-over reader to end
QUIET_TIME = 1.0         # seconds a picture must stay the same to count as unchanged
PRODUCT_TITLE = "Sorna 1.71"
POSITION_BAR_STRIP = 6  # pixels at the page's right edge that may show the reading progress


class ReaderHome:
    """The folders a reader of one test uses; nothing outside them is read or written."""

    def __init__(self, scratch):
        self.config = os.path.join(scratch, "config")
        self.runtime = os.path.join(scratch, "runtime")
        self.home = os.path.join(scratch, "home")
        self.books = os.path.join(scratch, "books")
        for folder in (self.config, self.runtime, self.home, self.books):
            os.makedirs(folder, exist_ok=True)
        os.chmod(self.runtime, 0o700)  # as the base-directory rules ask
        self._starts = 0

    def next_output_path(self):
        self._starts += 1
        return os.path.join(self.home, "output-%d.txt" % self._starts)

    @property
    def user_reg(self):
        return os.path.join(self.config, "sorna", "user.reg")

    def write_settings(self, values):
        os.makedirs(os.path.dirname(self.user_reg), exist_ok=True)
        RegistryFile.write_reader_values(self.user_reg, values)

    def settings(self):
        return RegistryFile.read_reader_values(self.user_reg)

    def environment(self, desktop, bus):
        environment = {name: value for name, value in os.environ.items()
                       if not name.startswith(("XDG_", "DBUS_", "QT_", "WAYLAND_"))}
        environment.update(
            DISPLAY=desktop.name, XDG_CONFIG_HOME=self.config, XDG_RUNTIME_DIR=self.runtime,
            HOME=self.home, DBUS_SESSION_BUS_ADDRESS=bus.address, QT_QPA_PLATFORM="xcb",
            LC_ALL="C.UTF-8")
        return environment


class Reader:
    """A started reader process and its main window."""

    def __init__(self, binary, home, desktop, bus, arguments=()):
        self.desktop = desktop
        self.home = home
        # Messages go to a file: a pipe nobody reads could fill up and stall the reader.
        self._output = open(home.next_output_path(), "w+b")
        self.process = subprocess.Popen([binary, *arguments],
                                        env=home.environment(desktop, bus),
                                        stdout=self._output, stderr=subprocess.STDOUT)
        self.window = None
        self.area = None
        self.regions = None

    # Windows and titles

    def windows(self):
        """The managed windows of this process: the main window and any dialog or message."""
        return [window for window in self.desktop.client_windows()
                if self.desktop.window_pid(window) == self.process.pid]

    def wait_for_window(self):
        found = wait_until(lambda: self.process.poll() is None and self.windows(),
                           WINDOW_TIMEOUT)
        if not found:
            raise AssertionError("the reader showed no window: " + self.failure_output())
        self.window = found[0]
        return self.window

    def title(self):
        return self.desktop.window_title(self.window)

    def wait_for_title(self, title, timeout=WINDOW_TIMEOUT):
        """True once the window's title is title; false when it is not within timeout."""
        return wait_until(lambda: self.title() == title, timeout)

    def geometry(self):
        return self.desktop.window_geometry(self.window)

    # Pictures

    def picture(self):
        """The window's picture, or only the part of it that area (x, y, width, height) names."""
        picture = self.desktop.picture(self.window)
        return picture if self.area is None else picture.crop(*self.area)

    def settled_picture(self):
        """The picture once it has stopped changing (painting after an input is queued)."""
        last = self.picture()
        deadline = time.monotonic() + PICTURE_TIMEOUT
        while time.monotonic() < deadline:
            time.sleep(0.25)
            current = self.picture()
            if current == last:
                return current
            last = current
        return last

    def picture_after(self, action, before):
        """Does action and returns the settled picture once it differs from before (or before,
        when nothing changed within the time allowed)."""
        action()
        changed = wait_until(lambda: self.picture() != before, PICTURE_TIMEOUT)
        return self.settled_picture() if changed else before

    def picture_unchanged_after(self, action, before):
        """Does action and tells whether the picture stayed before for a while."""
        action()
        deadline = time.monotonic() + QUIET_TIME
        while time.monotonic() < deadline:
            if self.picture() != before:
                return False
            time.sleep(0.1)
        return True

    def measure(self):
        """Finds the page and the menu bar in the settled window; from then on pictures show
        the page alone, since the bar's buttons light up under the pointer."""
        self.area = None
        self.park_mouse()
        self.regions = WindowRegions(self.settled_picture())
        self.area = (0, 0, self.regions.picture.width, self.regions.page_height)
        return self.regions

    def text_picture(self):
        """The settled page without the position bar at its right edge, for comparing the
        text of two documents whose bars show different progress."""
        page = self.settled_picture()
        return page.crop(0, 0, page.width - POSITION_BAR_STRIP, page.height)

    def wait_for_picture(self, expected):
        return wait_until(lambda: self.picture() == expected, PICTURE_TIMEOUT)

    # Input, as a person gives it

    def activate(self):
        self.desktop.run_input("windowactivate", "--sync", str(self.window))
        wait_until(lambda: self.desktop.active_window() == self.window, PICTURE_TIMEOUT)

    def click(self, x, y, repeat=1):
        """A tap at x, y inside the window (a double tap with repeat=2)."""
        self.desktop.run_input("mousemove", "--window", str(self.window), str(x), str(y),
                               "click", "--repeat", str(repeat), "--delay", "60", "1")

    def press_keys(self, *keys):
        self.activate()
        self.desktop.run_input("key", "--delay", "40", *keys)

    def park_mouse(self):
        """Moves the pointer off the window, so no button shows a hover highlight."""
        self.desktop.run_input("mousemove", "0", "0")

    # Ending

    def close(self):
        """Closes the window as the window manager's close button does; returns the exit code."""
        self.desktop.send_close_request(self.window)
        return self.wait_for_exit()

    def kill(self):
        self.process.send_signal(signal.SIGKILL)
        return self.wait_for_exit()

    def wait_for_exit(self):
        try:
            return self.process.wait(timeout=EXIT_TIMEOUT)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        """Makes sure the process is gone at the end of a test, whatever the test did."""
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=EXIT_TIMEOUT)
        self._output.close()

    def failure_output(self):
        if self.process.poll() is None:
            return "(still running)"
        self._output.seek(0)
        return "exit code %s, %s" % (self.process.returncode,
                                     self._output.read().decode(errors="replace"))

