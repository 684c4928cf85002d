"""Categories with items for the launcher view scenarios, written into a run folder before start,
and where the launcher paints them.

A category is a profile file "data\\<name>.ini" with one section per item ("文件位置", "运行参数",
"图标位置", "图标hash"); "图标hash" names the cached icon file in the data folder, here a plain
24-bit BMP of one colour so that the icon shows as a block of that colour.
"""
import os

from tovenk_e2e import write_bmp, write_ini

SETTINGS = "类别数据"
WINDOW = "窗口数据"
SEPARATOR = "#@#@#"


def add_category(launcher, name, items, icon_rgb=(0, 200, 0)):
    """Writes category `name` with `items`: a list of (item name, target). A target starting with
    "##APP##" lies in the run folder. Every item gets the same cached icon."""
    os.makedirs(launcher.data_dir, exist_ok=True)
    icon = "e2e%02x%02x%02x.bmp" % icon_rgb
    write_bmp(os.path.join(launcher.data_dir, icon), 64, 64, icon_rgb)
    sections = {}
    for item, target in items:
        sections[item] = {"文件位置": target, "运行参数": "null", "图标位置": "null", "图标hash": icon}
    write_ini(os.path.join(launcher.data_dir, name + ".ini"), sections)


def write_view_settings(launcher, categories, opened, icon_size=None, columns=None, extra=None, window=None):
    keys = {"类别": "".join(c + SEPARATOR for c in categories), "上次打开": opened}
    if icon_size is not None:
        keys["图片大小"] = str(icon_size)
    if columns is not None:
        keys["横向图标列数"] = str(columns)
    keys.update(extra or {})
    sections = {SETTINGS: keys}
    if window:
        sections[WINDOW] = window
    launcher.write_settings(sections)


class Grid:
    """Where the launcher paints its labels and items, in window coordinates."""

    def __init__(self, categories, icon_size=64, name_length=16, columns=2):
        widest = max((len(c.encode("gbk")) for c in categories), default=0)
        self.panel = 8 + 6 * widest
        self.size = icon_size
        self.columns = columns or 2
        self.cell_width = 7 * name_length + icon_size + 6
        self.cell_height = icon_size + 8

    def cell(self, j):
        """Cell (x, y, w, h) of the j-th item (1-based), in grid coordinates."""
        column, row = (j - 1) % self.columns, (j - 1) // self.columns
        return column * self.cell_width, row * self.cell_height, self.cell_width, self.cell_height

    def icon(self, j):
        x, y, _, _ = self.cell(j)
        return self.panel + x + 16, y + 30

    def item_centre(self, j):
        x, y, w, h = self.cell(j)
        return self.panel + x + 12 + w // 2, y + 26 + h // 2

    def highlight_left_edge(self, j):
        """A point on the left side of the red frame of a highlighted item."""
        x, y, _, h = self.cell(j)
        return self.panel + x + 13, y + 26 + h // 2

    def label(self, k):
        """Painted box (left, top, right, bottom) of the k-th label (0-based)."""
        return 4, 20 * k + 26, self.panel + 12, 20 * k + 46
