"""Where things are in a picture of the reader's window, found as a person finds them: by
looking. The page fills the window down to the menu bar, in the page's background colour at its
edges (the margins); the bar's buttons are the groups of ink on the bar, left to right."""

from WindowPicture import runs_of

# Glyphs of one button's text stand closer together than two buttons' texts.
BUTTON_GAP = 6


class WindowRegions:
    def __init__(self, picture):
        self.picture = picture
        self.background = picture.colour(1, 1)
        self.page_height = self._page_height()

    def _page_height(self):
        picture = self.picture
        for y in range(picture.height):
            if picture.colour(1, y) != self.background:
                return y
        return picture.height

    def has_bar(self):
        return self.page_height < self.picture.height

    def bar(self):
        picture = self.picture
        return picture.crop(0, self.page_height, picture.width,
                            picture.height - self.page_height)

    def bar_buttons(self):
        """The horizontal centres of the bar's buttons, left to right."""
        bar = self.bar()
        background = bar.colour(bar.width - 1, bar.height // 2)
        # The bar's top and bottom rows hold its edge lines, not text.
        text_rows = bar.crop(0, 2, bar.width, max(1, bar.height - 4))
        groups = []
        for start, end in runs_of(text_rows.ink_columns(background)):
            if groups and start - groups[-1][1] < BUTTON_GAP:
                groups[-1] = (groups[-1][0], end)
            else:
                groups.append((start, end))
        return [(start + end) // 2 for start, end in groups]

    def bar_centre_y(self):
        return self.page_height + (self.picture.height - self.page_height) // 2

    def page(self):
        """The page alone, without the menu bar."""
        return self.picture.crop(0, 0, self.picture.width, self.page_height)

    def text_pixels(self):
        """How many page pixels stand out from the page's background: zero for a blank page."""
        return self.page().count_pixels_unlike(self.background)
