"""Documents made for a test from the corpus: the same text in another encoding, or the text from
some paragraph on, decoded here by Python's own codecs, independently of the reader."""

import os


def decoded(path, codec):
    with open(path, "rb") as file:
        return file.read().decode(codec)


def write_text(text, path, codec):
    """Writes text in codec; "utf-16" gets the little-endian byte-order mark FF FE."""
    data = b"\xff\xfe" + text.encode("utf-16-le") if codec == "utf-16" else text.encode(codec)
    with open(path, "wb") as file:
        file.write(data)
    return path


def units(text):
    """The length of text in UTF-16 code units, the reader's measure of positions."""
    return len(text.encode("utf-16-le")) // 2


def paragraph_start(text, minimum_offset, minimum_length):
    """The index of the first paragraph starting at or after minimum_offset whose line holds at
    least minimum_length characters; every paragraph start is also the start of a display
    line."""
    start = text.index("\n", minimum_offset) + 1
    while len(text[start:].split("\n", 1)[0].strip()) < minimum_length:
        start = text.index("\n", start) + 1
    return start


def copy_name(folder, path, suffix):
    name, extension = os.path.splitext(os.path.basename(path))
    return os.path.join(folder, name + suffix + extension)
