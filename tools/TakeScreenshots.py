"""Takes the pictures of the reader shown in docs/, from an installed build on a virtual display.

    TakeScreenshots.py --binary PREFIX/bin/sorna --corpus FOLDER --output FOLDER
"""

import argparse
import contextlib
import os
import struct
import subprocess
import sys
import tempfile
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from ReaderSession import Reader, ReaderHome, recent_file_values  # noqa: E402
from VirtualDesktop import VirtualDesktop, first_line, stop_process, wait_until  # noqa: E402

NOVEL = "ko-utf8-novel-01.txt"
BOOK = "en-gutenberg-03.txt"
PHONE, DESKTOP = (360, 640), (1280, 800)
# The themes and justified lines, in Korean and in English, on a phone and on a desktop.
LOOKS = (("theme-day.png", PHONE, NOVEL, {"nTheme": 1, "bJustify": 1}),
         ("theme-night.png", PHONE, BOOK, {"nTheme": 2, "bJustify": 1, "bJoinLines": 1}),
         ("theme-sepia.png", PHONE, NOVEL, {"nTheme": 3, "bJustify": 1}),
         ("justified-korean.png", DESKTOP, NOVEL,
          {"nTheme": 3, "bJustify": 1, "bLimitLineLength": 1, "nFontSize": 20}),
         ("justified-english.png", DESKTOP, BOOK,
          {"nTheme": 1, "bJustify": 1, "bJoinLines": 1, "bLimitLineLength": 1, "nFontSize": 20}))
SETTINGS_FUNCTION = 10  # "설정": the key that carries it opens the settings dialog
WAIT = 20


def units(text):
    """The length of text in UTF-16 code units, the reader's measure of positions."""
    return len(text.encode("utf-16-le")) // 2


def paragraph_start(text, minimum_offset, minimum_length):
    """Where the first paragraph from minimum_offset on with minimum_length characters starts."""
    start = text.index("\n", minimum_offset) + 1
    while len(text[start:].split("\n", 1)[0].strip()) < minimum_length:
        start = text.index("\n", start) + 1
    return start


def framed_picture(desktop, window_id):
    """The window within the manager's frame, as a person sees it on screen."""
    window, root = desktop.window(window_id), desktop.connection.screen().root
    while (parent := window.query_tree().parent).id != root.id:
        window = parent
    return desktop.picture(window.id)


def save_png(picture, path):
    """The picture as an RGB PNG file."""
    row = picture.width * 3
    rgb = picture.rgb()
    rows = b"".join(b"\0" + rgb[start:start + row] for start in range(0, len(rgb), row))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data)))

    header = struct.pack(">IIBBBBB", picture.width, picture.height, 8, 2, 0, 0, 0)
    with open(path, "wb") as file:
        file.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                   chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b""))


def show_novel(desktop, bus, scratch, binary, corpus, document=NOVEL, **settings):
    """Starts a reader on a document, a little way in, and returns it once the page shows."""
    path = os.path.join(corpus, document)
    with open(path, encoding="utf-8", newline="") as file:
        text = file.read()
    home = ReaderHome(tempfile.mkdtemp(dir=scratch))
    values = recent_file_values([(path, units(text[:paragraph_start(text, 2000, 40)]))])
    values.update(settings)
    home.write_settings(values)
    reader = Reader(binary, home, desktop, bus)
    reader.wait_for_window(document + " - Sorna 1.71")
    desktop.run_input("mousemove", "0", "0")
    reader.settled_picture()
    return reader


def settings_dialog(reader):
    """Opens the settings dialog with the key that carries it; returns the dialog's window."""
    reader.press_keys("F1")
    dialogs = wait_until(lambda: [window for window in reader.windows()
                                  if window != reader.window], WAIT)
    if not dialogs:
        raise SystemExit("the settings dialog did not open")
    return dialogs[0]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--binary", required=True)
    parser.add_argument("--corpus", required=True)
    parser.add_argument("--output", required=True)
    options = parser.parse_args()
    os.makedirs(options.output, exist_ok=True)

    def save(desktop, window, name):
        # Painting may still go on; take the picture once two in a row agree.
        pictures = [framed_picture(desktop, window)]
        wait_until(lambda: pictures.append(framed_picture(desktop, window)) or
                   pictures[-1] == pictures[-2], WAIT, interval=0.3)
        save_png(pictures[-1], os.path.join(options.output, name))
        print("wrote", os.path.join(options.output, name))

    with tempfile.TemporaryDirectory(prefix="sorna-pictures-") as scratch, \
            subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                             stdout=subprocess.PIPE, text=True) as daemon:
        bus = first_line(daemon.stdout)
        for name, size, document, settings in LOOKS:
            with contextlib.closing(VirtualDesktop(scratch, size)) as desktop:
                reader = show_novel(desktop, bus, scratch, options.binary, options.corpus,
                                    document, **settings)
                save(desktop, reader.window, name)
                reader.stop()
        with contextlib.closing(VirtualDesktop(scratch)) as desktop:
            take_reader_pictures(desktop, bus, scratch, options, save)
        stop_process(daemon)


def take_reader_pictures(desktop, bus, scratch, options, save):
    """The pictures at the default screen size: the page, turned, with the aids, and settings."""
    aids = {"bShowPercent": 1, "bLineBreakRules": 1, "bLimitLineLength": 1, "bJoinLines": 1}
    for name, settings in (("reader.png", {}), ("reader-rotated.png", {"bRotate": 1}),
                           ("reader-aids.png", aids)):
        reader = show_novel(desktop, bus, scratch, options.binary, options.corpus,
                            **settings)
        save(desktop, reader.window, name)
        reader.stop()

    reader = show_novel(desktop, bus, scratch, options.binary, options.corpus,
                        KeyCode0=0xC1, KeyFunc0=SETTINGS_FUNCTION)
    dialog = settings_dialog(reader)
    wait_until(lambda: desktop.active_window() == dialog, WAIT)
    desktop.run_input("mousemove", "0", "0")
    save(desktop, dialog, "settings-dialog.png")
    reader.stop()


if __name__ == "__main__":
    main()
