"""The pointer on the painted launcher: resize cursors, moving and resizing the borderless window,
the title-bar menus and buttons, the category and item menus of a right press, the Ctrl swap
hint, and the double click that opens an item."""
import os
import time
import unittest

import e2e_screen as screen
from e2e_view_data import Grid, add_category, write_view_settings
from tovenk_e2e import IDNO, IDYES, LauncherTestCase, gbk, probe, unhex

CATEGORIES = ["常用", "工具"]


def shown_menu(wait=2.0):
    """(left, top, right, bottom) of the popup menu on screen, or None."""
    code, fields = probe("menu", int(wait * 1000))
    return tuple(map(int, fields[1:5])) if code == 0 else None


def close_menu():
    screen.xdotool("key", "Escape")
    time.sleep(0.3)


def swap_hint():
    """(visible, text) of the swap hint label, or None when it was never made."""
    code, fields = probe("child", "TovenkMainWindow", "Static")
    return (fields[1] == "1", unhex(fields[6]).decode("gbk")) if code == 0 else None


class ViewPointerTest(LauncherTestCase):
    def start(self, settings=None):
        app = self.new_launcher()
        if settings is not None:
            app.write_settings(settings)
        app.start()
        w = app.window()
        self.assertIsNotNone(w, "the main window did not come up")
        return app, w

    def start_with_items(self, extra=None):
        app = self.new_launcher()
        os.makedirs(os.path.join(app.run_dir, "folder"), exist_ok=True)
        add_category(app, "常用", [("Folder", "##APP##folder"), ("Gone", "##APP##missing.exe"),
                                   ("Other", "##APP##folder")])
        add_category(app, "工具", [("Tool", "##APP##folder")])
        write_view_settings(app, CATEGORIES, "常用", extra=extra,
                            window={"左边": "100", "顶边": "100", "宽": "420", "高": "360"})
        app.start()
        w = app.window()
        self.assertIsNotNone(w, "the main window did not come up")
        self.assertTrue(wait_for_items(app), "start-up did not show the last category's items")
        return app, w

    def test_edges_show_the_resize_cursors_and_the_corner_strip_does_not(self):
        app, w = self.start()
        shapes = {}
        for name, (x, y) in {"inside": (100, 100), "right": (w.width - 3, 50), "left": (2, 50),
                             "top": (100, 3), "bottom": (100, w.height - 3), "corner": (w.width - 3, 5)}.items():
            screen.move_pointer(w.left + x, w.top + y)
            shapes[name] = screen.cursor_shape()
        self.assertEqual(shapes["right"], shapes["left"])
        self.assertEqual(shapes["top"], shapes["bottom"])
        self.assertNotEqual(shapes["right"], shapes["top"])
        self.assertNotEqual(shapes["right"], shapes["inside"])
        self.assertNotEqual(shapes["top"], shapes["inside"])
        self.assertEqual(shapes["corner"], shapes["inside"])

    def test_caption_press_moves_the_window_only_when_the_pointer_moves(self):
        app, w = self.start()
        screen.click(w.left + 60, w.top + 12)
        self.assertIsNone(shown_menu(wait=0.3))
        after = app.window()
        self.assertEqual((after.left, after.top), (w.left, w.top))
        screen.drag(w.left + 60, w.top + 12, w.left + 160, w.top + 62)
        after = app.window()
        self.assertEqual((after.left, after.top, after.width), (w.left + 100, w.top + 50, w.width))

    def test_edges_resize_the_window_and_too_small_becomes_the_minimum(self):
        app, w = self.start()
        screen.move_pointer(w.left + w.width - 3, w.top + 100)
        screen.drag(w.left + w.width - 3, w.top + 100, w.left + w.width + 57, w.top + 100)
        after = app.window()
        self.assertEqual((after.left, after.width, after.height), (w.left, w.width + 60, w.height))
        # Dragged down to 150 wide: a window below 200 wide jumps to 240.
        screen.move_pointer(after.left + after.width - 3, after.top + 100)
        screen.drag(after.left + after.width - 3, after.top + 100, after.left + 150, after.top + 100)
        self.assertEqual(app.window().width, 240)

    def test_the_three_tabs_open_their_menus(self):
        app, w = self.start()
        heights = {}
        for name, x in (("设置", w.width - 70), ("显示", w.width - 98), ("类别", w.width - 126)):
            screen.click(w.left + x, w.top + 12)
            menu = shown_menu()
            self.assertIsNotNone(menu, "no menu for " + name)
            heights[name] = menu[3] - menu[1]
            close_menu()
        # 15, 14 and 8 entries.
        self.assertGreater(heights["设置"], heights["显示"])
        self.assertGreater(heights["显示"], heights["类别"])

    def test_a_press_on_the_top_edge_over_a_tab_resizes_then_opens_the_menu(self):
        app, w = self.start()
        screen.move_pointer(w.left + w.width - 70, w.top + 3)
        screen.press_left(w.left + w.width - 70, w.top + 3)
        screen.release_left()
        self.assertIsNotNone(shown_menu(), "the settings menu did not open after the release")
        close_menu()

    def test_right_press_above_the_column_opens_the_category_menu_and_on_empty_grid_nothing(self):
        app, w = self.start_with_items()
        screen.click(w.left + w.width - 40, w.top + w.height - 40, button=3)
        self.assertIsNone(shown_menu(wait=0.5))
        screen.click(w.left + 6, w.top + 10, button=3)
        category_menu = shown_menu()
        self.assertIsNotNone(category_menu)
        close_menu()
        screen.click(w.left + w.width - 126, w.top + 12)
        self.assertEqual(shown_menu()[3] - shown_menu()[1], category_menu[3] - category_menu[1])
        close_menu()

    def test_hide_button_hides_the_window(self):
        app, w = self.start()
        screen.click(w.left + w.width - 36, w.top + 12)
        self.assertIsNotNone(app.window(visible=False))
        self.assertTrue(wait_until_hidden(app))

    def test_close_button_asks_and_leaves_only_on_yes(self):
        app, w = self.start()
        screen.click(w.left + w.width - 10, w.top + 10)
        box = app.message_box()
        self.assertIsNotNone(box, "no question")
        self.assertEqual(box[1:], ("信息：", "是否要退出程序？"))
        self.assertTrue(app.window(wait=0.5).visible, "hidden although hiding on close is off")
        app.press(box[0], IDNO)
        time.sleep(0.5)
        self.assertIsNone(app.process.poll())
        screen.click(w.left + w.width - 10, w.top + 10)
        app.press(app.message_box()[0], IDYES)
        self.assertEqual(app.wait_exit(10), 0)

    def test_close_button_hides_first_when_hiding_on_close_is_on(self):
        app, w = self.start(settings={"类别数据": {"关闭窗口时隐藏": "T"}})
        screen.click(w.left + w.width - 10, w.top + 10)
        box = app.message_box()
        self.assertIsNotNone(box)
        self.assertFalse(app.window(visible=False).visible)
        app.press(box[0], IDNO)
        time.sleep(0.5)
        self.assertIsNone(app.process.poll())
        self.assertFalse(app.window(visible=False).visible, "the window came back after No")

    def test_right_press_on_an_item_opens_the_item_menu_with_the_preview_entry_for_folders(self):
        app, w = self.start_with_items()
        grid = Grid(CATEGORIES)
        x, y = grid.item_centre(2)  # a missing file: no preview entry
        screen.click(w.left + x, w.top + y, button=3)
        plain = shown_menu()
        self.assertIsNotNone(plain, "no item menu")
        close_menu()
        x, y = grid.item_centre(1)  # a folder
        screen.click(w.left + x, w.top + y, button=3)
        folder = shown_menu()
        self.assertIsNotNone(folder, "no item menu")
        close_menu()
        self.assertGreater(folder[3] - folder[1], plain[3] - plain[1])

    def test_a_label_press_opens_its_category_and_a_missing_file_says_so(self):
        app, w = self.start_with_items()
        grid = Grid(CATEGORIES)
        screen.click(w.left + 4 + grid.panel // 2, w.top + 56)  # "工具"
        time.sleep(0.5)
        shot = screen.Shot("view-pointer-second-category")
        left, top, _, _ = grid.label(1)
        self.assertEqual(shot.pixel(w.left + left + 1, w.top + top + 1), (255, 255, 255))
        left, top, _, _ = grid.label(0)
        self.assertEqual(shot.pixel(w.left + left + 1, w.top + top + 1), (44, 133, 210))
        x, y = grid.icon(2)
        self.assertEqual(shot.pixel(w.left + x + 5, w.top + y + 5), (255, 255, 255), "the first category's items stay")
        self.assertEqual(app.settings()["类别数据"]["上次打开"], "工具")

        os.remove(os.path.join(app.data_dir, "常用.ini"))
        screen.click(w.left + 4 + grid.panel // 2, w.top + 36)  # "常用"
        box = app.message_box()
        self.assertIsNotNone(box)
        self.assertEqual(box[1:], ("信息：", "载入配置文件失败 常用 文件不存在！"))
        app.press(box[0], 1)
        self.assertEqual(app.settings()["类别数据"]["上次打开"], "工具")

    def test_ctrl_over_items_shows_the_swap_hint(self):
        app, w = self.start_with_items()
        grid = Grid(CATEGORIES)
        x, y = grid.item_centre(2)
        screen.key_down("ctrl")
        try:
            screen.move_pointer(w.left + x, w.top + y)
            screen.move_pointer(w.left + x + 3, w.top + y)
            self.assertEqual(swap_hint(), (True, "先选择项目！"))
        finally:
            screen.key_up("ctrl")
        screen.click(w.left + x, w.top + y)  # picks item 2
        ox, oy = grid.item_centre(3)
        screen.key_down("ctrl")
        try:
            screen.move_pointer(w.left + ox, w.top + oy)
            screen.move_pointer(w.left + ox + 3, w.top + oy)
            self.assertEqual(swap_hint(), (True, "交换：Other"))
            screen.move_pointer(w.left + x, w.top + y)
            screen.move_pointer(w.left + x + 3, w.top + y)
            self.assertEqual(swap_hint(), (True, "Gone"))
        finally:
            screen.key_up("ctrl")
        screen.move_pointer(w.left + x + 6, w.top + y)
        self.assertFalse(swap_hint()[0])

    def test_double_click_opens_the_item_under_the_pointer_only(self):
        app, w = self.start_with_items()
        grid = Grid(CATEGORIES)
        x, y = grid.item_centre(2)  # its file is gone: opening it says so
        screen.click(w.left + x, w.top + y)
        screen.double_click(w.left + 300, w.top + 330)  # beside the items
        self.assertIsNone(app.message_box(wait=1.5), "a double click beside the items opened one")
        screen.double_click(w.left + x, w.top + y)
        box = app.message_box(wait=5)
        self.assertIsNotNone(box, "the double click opened nothing")
        self.assertEqual(box[1], "项目错误")
        app.press(box[0], 1)


def wait_until_hidden(app, timeout=3.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        w = app.window(wait=0, visible=False)
        if w and not w.visible:
            return True
        time.sleep(0.1)
    return False


def wait_for_items(app, timeout=5.0):
    """True once the item loader has put the grid on the screen (an icon where the first goes)."""
    w = app.window()
    grid = Grid(CATEGORIES)
    x, y = grid.icon(1)
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if screen.Shot("view-pointer-items").pixel(w.left + x + 5, w.top + y + 5) == (0, 200, 0):
            return True
        time.sleep(0.3)
    return False


if __name__ == "__main__":
    unittest.main(verbosity=2)
