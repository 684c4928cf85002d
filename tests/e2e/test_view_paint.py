"""The painted launcher as it shows on the screen: title bar, category column and labels, icons at
their grid places for two icon sizes, the highlight of a picked item, the hovered title-bar
buttons, and the rounded outline."""
import os
import time
import unittest

import e2e_screen as screen
from e2e_view_data import Grid, add_category, write_view_settings
from tovenk_e2e import LauncherTestCase

TITLE = (7, 80, 140)        # derived from the default background
BACKGROUND = (44, 133, 210)  # 13796652
WHITE = (255, 255, 255)
RED = (255, 0, 0)
GREEN = (0, 200, 0)
CATEGORIES = ["常用", "工具"]


def near(a, b, tolerance=12):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def painted(w, name, title=TITLE):
    """A screenshot once the start-up paint has reached the screen (the title bar is coloured)."""
    end = time.monotonic() + 5
    while True:
        shot = screen.Shot(name)
        colour = shot.pixel(w.left + w.width - 150, w.top + 13)
        if (colour == title if title else colour not in [(0, 0, 0), WHITE]) or time.monotonic() > end:
            return shot
        time.sleep(0.1)


class ViewPaintTest(LauncherTestCase):
    def start_with_items(self, icon_size=None, columns=None, count=6):
        app = self.new_launcher()
        os.makedirs(os.path.join(app.run_dir, "folder"), exist_ok=True)
        add_category(app, "常用", [("Item%d" % j, "##APP##folder") for j in range(1, count + 1)])
        add_category(app, "工具", [("Tool", "##APP##folder")])
        write_view_settings(app, CATEGORIES, "常用", icon_size=icon_size, columns=columns,
                            window={"左边": "100", "顶边": "100", "宽": "420", "高": "400"})
        app.start()
        window = app.window()
        self.assertIsNotNone(window, "the main window did not come up")
        return app, window

    def require_categories(self, shot, window, grid):
        """Start-up opens the last category: its label is the white one."""
        left, top, right, bottom = grid.label(0)
        self.assertEqual(shot.pixel(window.left + left + 1, window.top + top + 1), WHITE, "no open category")

    def test_empty_launcher_shows_title_bar_column_frame_and_rounded_corners(self):
        app = self.new_launcher().start()
        w = app.window()
        screen.move_pointer(5, 1000)
        shot = painted(w, "view-empty")
        at = lambda x, y: shot.pixel(w.left + x, w.top + y)
        self.assertEqual(at(w.width - 150, 13), TITLE)
        self.assertEqual(at(20, 3), TITLE)
        # No categories: the column is 8 + 12 pixels wide, in the background colour.
        self.assertEqual(at(5, 200), BACKGROUND)
        self.assertEqual(at(19, 200), BACKGROUND)
        self.assertEqual(at(21, 200), WHITE)
        # The frame lines, 2 pixels wide on the last column and row; the rounded outline leaves
        # the inner one of each.
        self.assertEqual(at(w.width - 2, 200), BACKGROUND)
        self.assertEqual(at(150, w.height - 2), BACKGROUND)
        # White caption letters on the title bar; the corner itself is cut off by the outline.
        self.assertGreater(shot.count(WHITE, (w.left + 9, w.top + 6, w.left + 80, w.top + 20)), 10)
        self.assertNotEqual(at(0, 0), TITLE)
        self.assertEqual(at(4, 4), TITLE)

    def test_stored_background_colours_the_column_and_darkens_the_title_bar(self):
        app = self.new_launcher()
        app.write_settings({"类别数据": {"背景颜色": str(40 | 140 << 8 | 60 << 16)}})
        app.start()
        w = app.window()
        shot = painted(w, "view-background", title=None)
        column = shot.pixel(w.left + 5, w.top + 200)
        title = shot.pixel(w.left + w.width - 150, w.top + 13)
        self.assertEqual(column, (40, 140, 60))
        self.assertNotIn(title, [(40, 140, 60), TITLE])
        self.assertLess(sum(title), sum(column))

    def test_hovered_close_is_red_and_hovered_tab_shows_the_background(self):
        app = self.new_launcher().start()
        w = app.window()
        screen.move_pointer(w.left + w.width - 10, w.top + 10)
        shot = screen.Shot("view-hover-close")
        self.assertEqual(shot.pixel(w.left + w.width - 22, w.top + 3), RED)
        screen.move_pointer(w.left + w.width - 70, w.top + 12)  # "设置"
        shot = screen.Shot("view-hover-settings")
        self.assertEqual(shot.pixel(w.left + w.width - 22, w.top + 3), TITLE)
        self.assertEqual(shot.pixel(w.left + w.width - 78, w.top + 3), BACKGROUND)
        screen.move_pointer(w.left + 150, w.top + 200)
        shot = screen.Shot("view-hover-none")
        self.assertEqual(shot.pixel(w.left + w.width - 78, w.top + 3), TITLE)
        self.assertEqual(shot.pixel(w.left + w.width - 22, w.top + 3), TITLE)

    def test_labels_and_icons_stand_on_the_grid_for_both_icon_sizes(self):
        for size in (64, 32):
            with self.subTest(icon_size=size):
                app, w = self.start_with_items(icon_size=size, columns=2)
                screen.move_pointer(5, 1000)
                grid = Grid(CATEGORIES, icon_size=size, columns=2)
                shot = screen.Shot("view-grid-%d" % size)
                self.require_categories(shot, w, grid)
                # The open category: white label with blue letters; the other: background colour.
                left, top, right, bottom = grid.label(0)
                self.assertGreater(shot.count((0, 136, 255), (w.left + left, w.top + top, w.left + right,
                                                              w.top + bottom), tolerance=60), 0)
                left, top, right, bottom = grid.label(1)
                self.assertEqual(shot.pixel(w.left + left + 1, w.top + top + 1), BACKGROUND)
                for j in range(1, 7):
                    x, y = grid.icon(j)
                    self.assertTrue(near(shot.pixel(w.left + x + 2, w.top + y + 2), GREEN), "icon %d" % j)
                    self.assertTrue(near(shot.pixel(w.left + x + size - 3, w.top + y + size - 3), GREEN),
                                    "icon %d" % j)
                    self.assertFalse(near(shot.pixel(w.left + x + size + 1, w.top + y + 2), GREEN),
                                     "icon %d is wider than %d" % (j, size))
                    self.assertEqual(shot.pixel(w.left + x - 2, w.top + y + 2), WHITE, "icon %d" % j)
                app.cleanup()

    def test_a_picked_item_gets_the_red_frame_and_a_press_beside_the_items_takes_it_away(self):
        app, w = self.start_with_items()
        grid = Grid(CATEGORIES)
        screen.move_pointer(5, 1000)
        self.require_categories(screen.Shot("view-before-pick"), w, grid)
        x, y = grid.item_centre(3)
        screen.click(w.left + x, w.top + y)
        shot = screen.Shot("view-picked")
        fx, fy = grid.highlight_left_edge(3)
        self.assertEqual(shot.pixel(w.left + fx, w.top + fy), RED)
        fx, fy = grid.highlight_left_edge(1)
        self.assertNotEqual(shot.pixel(w.left + fx, w.top + fy), RED)
        # A press on the white grid below the items: no highlight any more.
        screen.click(w.left + 300, w.top + w.height - 20)
        shot = screen.Shot("view-unpicked")
        fx, fy = grid.highlight_left_edge(3)
        self.assertNotEqual(shot.pixel(w.left + fx, w.top + fy), RED)


if __name__ == "__main__":
    unittest.main(verbosity=2)
