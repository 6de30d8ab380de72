"""One user's reader: its folders, settings file and documents, and the installed binary on the
test desktop, used as a person does: look, tap, press keys, close."""

import os
import re
import subprocess
import tempfile
import time

from VirtualDesktop import wait_until

WINDOW_TIMEOUT = 60   # seconds for a start to show its window on a loaded machine
PICTURE_TIMEOUT = 10  # seconds for the window to show what an input asks for
EXIT_TIMEOUT = 15     # seconds for a closed or handed-over reader to end
QUIET_TIME = 1.0      # seconds a picture must stay the same to count as unchanged
PRODUCT_TITLE = "Sorna 1.71"
BUTTON_GAP = 6  # glyphs of one button's text stand closer together than two buttons' texts

# The settings file is regedit text; the reader's values are under one key. What a first save
# writes when nothing was stored before is pinned by the settings tests.
HEADER = "Windows Registry Editor Version 5.00"
READER_KEY = "[HKEY_CURRENT_USER\\SOFTWARE\\QARVEN\\SORNA]"
QUOTED = r'"((?:[^"\\]|\\.)*)"'
VALUE_LINE = re.compile(QUOTED + "=(?:" + QUOTED + "|dword:([0-9a-f]{8}))")
FIRST_SAVE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "settings", "data",
                          "FirstSave.reg")


def unquote(text):
    return re.sub(r"\\(.)", r"\1", text)


def read_values(path):
    """The reader's values in a file it saved; raises on a line that does not read back."""
    with open(path, encoding="utf-8") as file:
        lines = [line for line in file.read().splitlines() if line]
    if lines[:2] != [HEADER, READER_KEY]:
        raise ValueError("no header or no key of the reader in " + path)
    values = {}
    for line in lines[2:]:
        match = VALUE_LINE.fullmatch(line)
        if not match:
            raise ValueError("unreadable line: " + line)
        name, text, dword = match.groups()
        values[unquote(name)] = int(dword, 16) if text is None else unquote(text)
    return values


def recent_file_values(entries):
    """The values naming entries [(path, position), ...] as the recent files, newest first."""
    values = {"nRecentFileCount": len(entries)}
    for n, (path, position) in enumerate(entries):
        values.update({"RFNAME%02d" % n: path, "RFPOS%02d" % n: position})
    return values


class ReaderHome:
    """The folders of one user's readers; nothing outside them is read or written."""

    def __init__(self, scratch):
        for name in ("config", "runtime", "home", "books"):
            setattr(self, name, os.path.join(scratch, name))
            os.makedirs(getattr(self, name), mode=0o700)  # as the runtime folder must be
        self.user_reg = os.path.join(self.config, "sorna", "user.reg")

    def settings(self):
        return read_values(self.user_reg)

    def write_settings(self, values):
        """Writes a file with only these values, as a hand-made one."""
        def quote(text):
            return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'
        lines = [quote(name) + "=" + (quote(value) if isinstance(value, str)
                                      else "dword:%08x" % (value & 0xFFFFFFFF))
                 for name, value in values.items()]
        os.makedirs(os.path.dirname(self.user_reg), exist_ok=True)
        with open(self.user_reg, "w", encoding="utf-8") as file:
            file.write("\n".join([HEADER, "", READER_KEY, *lines, ""]))


class Reader:
    @staticmethod
    def environment(home, desktop, bus_address):
        """What a program this user starts on the test desktop gets, and nothing of the
        caller's."""
        environment = {name: value for name, value in os.environ.items()
                       if not name.startswith(("XDG_", "DBUS_", "QT_", "WAYLAND_"))}
        environment.update(
            DISPLAY=desktop.name, XDG_CONFIG_HOME=home.config, XDG_RUNTIME_DIR=home.runtime,
            HOME=home.home, DBUS_SESSION_BUS_ADDRESS=bus_address, QT_QPA_PLATFORM="xcb",
            LC_ALL="C.UTF-8")
        return environment

    def __init__(self, binary, home, desktop, bus_address, arguments=(), folder=None):
        self.desktop = desktop
        # Messages go to a file: a pipe nobody reads could fill up and stall the reader.
        self._output = tempfile.TemporaryFile()
        self.process = subprocess.Popen([binary, *arguments], cwd=folder,
                                        env=self.environment(home, desktop, bus_address),
                                        stdout=self._output, stderr=subprocess.STDOUT)
        self.window = self.area = None

    def windows(self):
        """The main window and any dialog or message."""
        return [window for window in self.desktop.client_windows()
                if self.desktop.window_pid(window) == self.process.pid]

    def wait_for_window(self, title):
        found = wait_until(lambda: self.process.poll() is None and self.windows(),
                           WINDOW_TIMEOUT)
        if not found:
            raise AssertionError("the reader showed no window: " + self.failure_output())
        self.window = found[0]
        if not wait_until(lambda: self.title() == title, WINDOW_TIMEOUT):
            raise AssertionError("the title stayed %r, not %r" % (self.title(), title))

    def title(self):
        return self.desktop.window_title(self.window)

    def geometry(self):
        return self.desktop.window_geometry(self.window)

    def picture(self):
        """After measure() only the page's."""
        picture = self.desktop.picture(self.window)
        return picture if self.area is None else picture.crop(*self.area)

    def settled_picture(self):
        """The picture once it has stopped changing (painting after an input is queued)."""
        last, deadline = self.picture(), time.monotonic() + PICTURE_TIMEOUT
        while time.monotonic() < deadline:
            time.sleep(0.25)  # fixed wait on purpose: still this long counts as settled
            current = self.picture()
            if current == last:
                break
            last = current
        return last

    def picture_after(self, action, before=None):
        """The settled picture once action has changed it from before."""
        before = self.settled_picture() if before is None else before
        action()
        if not wait_until(lambda: self.picture() != before, PICTURE_TIMEOUT):
            raise AssertionError("the picture did not change")
        return self.settled_picture()

    def stays(self, picture):
        # Unchanged for a while: the time is what is tested.
        return not wait_until(lambda: self.picture() != picture, QUIET_TIME, interval=0.1)

    def wait_for_picture(self, expected):
        return wait_until(lambda: self.picture() == expected, PICTURE_TIMEOUT)

    def measure(self, bar=True):
        """Finds the page and the bar below it, once a bar shows (none, with bar false); pictures
        then show the page alone, since the bar's buttons light up under the pointer."""
        self.area, whole = None, None
        # The pointer off the window, so that no button shows a hover highlight.
        self.desktop.run_input("mousemove", "0", "0")

        def split():
            nonlocal whole
            whole = self.settled_picture()
            self.page_height = next((y for y in range(whole.height)
                                     if whole.colour(1, y) != whole.colour(1, 1)), whole.height)
            return (self.page_height < whole.height) == bar

        # A window that has not painted yet shows no bar either.
        wait_until(split, WINDOW_TIMEOUT)
        self.width = whole.width
        self.bar = whole.crop(0, self.page_height, whole.width, whole.height - self.page_height)
        self.area = (0, 0, self.width, self.page_height)

    def press_button(self, from_right):
        """Clicks a button of the bar, counted from its right end (0 is the last)."""
        # Buttons are groups of ink between the bar's top and bottom edge lines.
        background, groups = self.bar.colour(self.width - 1, self.bar.height // 2), []
        for x in range(self.width):
            if not self.bar.crop(x, 2, 1, self.bar.height - 4).ink(background):
                continue
            if groups and x - groups[-1][1] <= BUTTON_GAP:
                groups[-1][1] = x
            else:
                groups.append([x, x])
        if len(groups) < 8:
            raise AssertionError("the bar's buttons were not found: %r" % groups)
        left, right = groups[-1 - from_right]
        self.click((left + right + 1) // 2, self.page_height + self.bar.height // 2)

    def activate(self):
        self.desktop.run_input("windowactivate", "--sync", str(self.window))
        wait_until(lambda: self.desktop.active_window() == self.window, PICTURE_TIMEOUT)

    def click(self, x, y, repeat=1, button="1"):
        self.desktop.run_input("mousemove", "--window", str(self.window), str(x), str(y),
                               "click", "--repeat", str(repeat), "--delay", "60", button)

    def tap(self, column, row, repeat=1, button="1"):
        """A click amid a third of the page: column and row 0, 1 or 2."""
        self.click(self.width * (2 * column + 1) // 6, self.page_height * (2 * row + 1) // 6,
                   repeat, button)

    def press_keys(self, *keys):
        self.activate()
        self.desktop.run_input("key", "--delay", "40", *keys)

    def close(self):
        """As the window manager's close button does; gives the exit code."""
        self.desktop.send_close_request(self.window)
        return self.process.wait(timeout=EXIT_TIMEOUT)

    def stop(self):
        self.process.kill()  # SIGKILL, or nothing when the process has ended
        self.process.wait(timeout=EXIT_TIMEOUT)
        self._output.close()

    def failure_output(self):
        if self.process.poll() is None:
            return "(still running)"
        self._output.seek(0)
        return "exit code %s, %s" % (self.process.returncode,
                                     self._output.read().decode(errors="replace"))
