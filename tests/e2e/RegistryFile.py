"""The reader's settings file, read and written as the user would edit it.

The file is regedit text: a header line, then "[key]" sections with one value a line. Reading is
strict on purpose: a line the reader should have written and that does not parse is a failure of
the save, so it raises instead of being skipped.
"""

import re

HEADER = "Windows Registry Editor Version 5.00"
READER_KEY = "HKEY_CURRENT_USER\\SOFTWARE\\QARVEN\\SORNA"

# What a first save writes when nothing was stored before.
DEFAULT_VALUES = {
    "nLineSpace": 3, "nLRSpace": 4, "nTBSpace": 4, "nFontSize": 15, "bBold": 0, "bRotate": 0,
    "bRemoveLineStartSpace": 1, "bUseEngDic": 0, "nShareLine": 0, "clrText": 0xFFFFFF,
    "clrBkgnd": 0, "bSearchIgnoreCase": 0, "bFullscreen": 0, "bLeftScroolbar": 0,
    "bShowProgress": 0, "bSmoothScroll": 0, "nAutoScrollSpeed": 100,
    "sFontFaceName": "Tahoma", "sEngDicPath": "\\Program Files\\Lexo\\Lexo.exe",
    "KeyFunc0": 0, "KeyCode0": 0xC1, "KeyFunc1": 0, "KeyCode1": 0xC2,
    "KeyFunc2": 0, "KeyCode2": 0xC3, "KeyFunc3": 0, "KeyCode3": 0xC4,
    "KeyFunc4": 0, "KeyCode4": 0xC5, "KeyFunc5": 0, "KeyCode5": 0xC6,
    "nRecentFileCount": 0, "nBookmarkCount": 0, "nRecentSearchCount": 0,
}

_VALUE_LINE = re.compile(r'^"((?:[^"\\]|\\.)*)"=(.*)$')


class RegistryFileError(Exception):
    pass


def _unquote(text):
    return re.sub(r"\\(.)", r"\1", text)


def _quote(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def _parse_data(data):
    if data.startswith('"') and data.endswith('"') and len(data) >= 2:
        return _unquote(data[1:-1])
    if data.startswith("dword:"):
        number = int(data[len("dword:"):], 16)
        # A position is a signed 32-bit number stored with the same bits.
        return number - (1 << 32) if number >= 1 << 31 else number
    match = re.match(r"^hex(?:\((\w+)\))?:(.*)$", data)
    if match:
        digits = match.group(2).replace("\\", "").replace(" ", "")
        raw = bytes(int(byte, 16) for byte in digits.split(",") if byte)
        if match.group(1) == "1":  # a string that could not stand quoted
            return raw.decode("utf-16-le").split("\0", 1)[0]
        return raw
    raise RegistryFileError("unreadable value data: " + data)


def _joined_lines(text):
    """Lines with their backslash continuations joined, as regedit wraps long byte lists."""
    pending = ""
    for line in text.splitlines():
        line = line.strip()
        if line.endswith("\\") and "=hex" in pending + line:
            pending += line[:-1]
            continue
        yield pending + line
        pending = ""
    if pending:
        yield pending


def parse_registry_text(text):
    """Returns {key path: {value name: value}}; raises RegistryFileError on any unreadable line."""
    text = text.lstrip("\ufeff")
    lines = [line for line in _joined_lines(text) if line and not line.startswith(";")]
    if not lines or lines[0] != HEADER:
        raise RegistryFileError("missing header")
    keys = {}
    current = None
    for line in lines[1:]:
        if line.startswith("[") and line.endswith("]"):
            current = keys.setdefault(line[1:-1], {})
            continue
        match = _VALUE_LINE.match(line)
        if current is None or not match:
            raise RegistryFileError("unreadable line: " + line)
        current[_unquote(match.group(1))] = _parse_data(match.group(2))
    return keys


def read_reader_values(path):
    """The values under the reader's key in the file at path."""
    with open(path, encoding="utf-8") as file:
        keys = parse_registry_text(file.read())
    if READER_KEY not in keys:
        raise RegistryFileError("the reader's key is missing")
    return keys[READER_KEY]


def recent_files(values):
    """The recent-file list of the values, newest first, as (path, position) pairs."""
    return [(values["RFNAME%02d" % n], values["RFPOS%02d" % n])
            for n in range(values["nRecentFileCount"])]


def write_reader_values(path, values):
    """Writes a settings file holding only the given values, as a hand-made file would."""
    lines = [HEADER, "", "[" + READER_KEY + "]"]
    for name, value in values.items():
        if isinstance(value, str):
            lines.append(_quote(name) + "=" + _quote(value))
        else:
            lines.append(_quote(name) + "=dword:%08x" % (value & 0xFFFFFFFF))
    with open(path, "w", encoding="utf-8") as file:
        file.write("\n".join(lines) + "\n")


def recent_file_values(entries):
    """Registry values naming entries [(path, position), ...] as the recent files, newest first."""
    values = {"nRecentFileCount": len(entries)}
    for n, (path, position) in enumerate(entries):
        values["RFPOS%02d" % n] = position
        values["RFNAME%02d" % n] = path
    return values
