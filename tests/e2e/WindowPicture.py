"""A picture of a window's pixels, as the X server holds them, and what tests ask of it."""

import struct
import zlib


class WindowPicture:
    """Pixels in rows from the top, four bytes each (blue, green, red, unused)."""

    def __init__(self, width, height, pixels):
        self.width = width
        self.height = height
        self.pixels = bytes(pixels)

    def __eq__(self, other):
        return (isinstance(other, WindowPicture) and (self.width, self.height) ==
                (other.width, other.height) and self.pixels == other.pixels)

    def __hash__(self):
        return hash((self.width, self.height, self.pixels))

    def __repr__(self):
        return "<WindowPicture %dx%d>" % (self.width, self.height)

    def colour(self, x, y):
        """(red, green, blue) at x, y."""
        start = (y * self.width + x) * 4
        blue, green, red = self.pixels[start:start + 3]
        return red, green, blue

    def crop(self, left, top, width, height):
        rows = [self.pixels[((top + y) * self.width + left) * 4:
                            ((top + y) * self.width + left + width) * 4] for y in range(height)]
        return WindowPicture(width, height, b"".join(rows))

    def count_pixels_unlike(self, colour, tolerance=48):
        """How many pixels differ from colour by more than tolerance in some channel."""
        count = 0
        for start in range(0, len(self.pixels), 4):
            blue, green, red = self.pixels[start:start + 3]
            if max(abs(red - colour[0]), abs(green - colour[1]), abs(blue - colour[2])) > tolerance:
                count += 1
        return count

    def ink_columns(self, background, tolerance=48):
        """For each column, whether some pixel in it stands out from the background."""
        columns = [False] * self.width
        for y in range(self.height):
            for x in range(self.width):
                if not columns[x]:
                    red, green, blue = self.colour(x, y)
                    if max(abs(red - background[0]), abs(green - background[1]),
                           abs(blue - background[2])) > tolerance:
                        columns[x] = True
        return columns

    def save_png(self, path):
        """Writes the picture as an RGB PNG file, so a failure can be looked at."""
        raw = bytearray()
        for y in range(self.height):
            raw.append(0)  # no filter
            row = self.pixels[y * self.width * 4:(y + 1) * self.width * 4]
            for start in range(0, len(row), 4):
                raw += bytes((row[start + 2], row[start + 1], row[start]))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as file:
            file.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                       chunk(b"IDAT", zlib.compress(bytes(raw), 6)) + chunk(b"IEND", b""))


def runs_of(flags):
    """The (start, end) column ranges where flags hold, left to right; end excluded."""
    runs = []
    start = None
    for index, flag in enumerate(flags + [False]):
        if flag and start is None:
            start = index
        elif not flag and start is not None:
            runs.append((start, index))
            start = None
    return runs
