"""The item menu and the double click on the real launcher: items start with their run arguments
("null" gives none), through a temporary shortcut in their own folder, or say "项目错误" when their
file is gone; renaming, changing the command line and deleting go through the program's boxes
into the category file; a folder item previews its files in a list."""
import os
import unittest

import e2e_items as items
from tovenk_e2e import IDOK, LauncherTestCase, probe, wait_until

MISSING = " 项目所对应的文件不存在！\r\n"


class ItemCommandsTest(LauncherTestCase):
    def assert_box(self, app, caption, text):
        box = app.message_box(wait=10)
        self.assertIsNotNone(box, "no message box")
        hwnd, shown_caption, shown_text = box
        self.assertEqual((shown_caption, shown_text), (caption, text))
        app.press(hwnd, IDOK)
        self.assertTrue(wait_until(lambda: app.message_box(wait=0) is None, 5))

    def test_double_click_passes_the_run_arguments_and_null_passes_none(self):
        app, window, grid = items.start(self, {
            "rec": items.item("##APP##tools\\rec.exe", '-n "a b" 中文'),
            "plain": items.item("##APP##plain\\rec.exe", "null"),
        })
        rec = items.install_recorder(app, "tools/rec.exe")
        plain = items.install_recorder(app, "plain/rec.exe")
        items.double_click_item(window, grid, 1)
        # Started with no working folder of its own: it runs in the launcher's.
        self.assertEqual(items.recorded(rec), ('-n "a b" 中文', items.dos_path(app.run_dir)))
        items.double_click_item(window, grid, 2)
        arguments, _ = items.recorded(plain)
        self.assertEqual(arguments, "")

    def test_double_click_on_an_item_whose_file_is_gone_says_so(self):
        app, window, grid = items.start(self, {"gone": items.item("##APP##gone\\g.exe", "null")})
        items.double_click_item(window, grid, 1)
        self.assert_box(app, "项目错误", "gone" + MISSING + items.dos_path(app.run_dir) + "\\gone\\g.exe")

    def test_open_item_picked_from_the_menu_with_the_keys(self):
        app, window, grid = items.start(self, {"rec": items.item("##APP##rec.exe", "--menu")})
        rec = items.install_recorder(app, "rec.exe")
        items.open_item_menu(self, window, grid, 1)
        items.menu_keys("Down", "Return")  # the first entry: "打开项目"
        self.assertEqual(items.recorded(rec)[0], "--menu")

    def test_simulated_run_starts_the_program_in_its_own_folder(self):
        app, window, grid = items.start(self, {"rec": items.item("##APP##deep\\tool\\rec.exe", "-sim")})
        rec = items.install_recorder(app, "deep/tool/rec.exe")
        items.choose(self, app, window, grid, 1, items.SIMULATED_RUN)
        self.assertEqual(items.recorded(rec), ("-sim", items.dos_path(app.run_dir) + "\\deep\\tool"))

    def test_show_in_folder_opens_explorer_on_the_items_folder_or_says_it_is_gone(self):
        app, window, grid = items.start(self, {"a": items.item("##APP##shown\\a.txt"),
                                               "gone": items.item("##APP##gone.txt")})
        os.makedirs(os.path.join(app.run_dir, "shown"))
        with open(os.path.join(app.run_dir, "shown", "a.txt"), "wb") as f:
            f.write(b"a")
        items.choose(self, app, window, grid, 2, items.OPEN_LOCATION)
        self.assert_box(app, "项目错误", "gone" + MISSING + items.dos_path(app.run_dir) + "\\gone.txt")
        self.addCleanup(lambda: probe("close", "ExplorerWClass"))
        items.choose(self, app, window, grid, 1, items.OPEN_LOCATION)
        self.assertTrue(wait_until(lambda: items.explorer_window_named("shown"), 10), "no Explorer window on the folder")

    def test_rename_through_the_input_box(self):
        app, window, grid = items.start(self, {"old": items.item("##APP##a.exe", "null"),
                                               "other": items.item("##APP##b.exe", "null")})
        items.choose(self, app, window, grid, 1, items.RENAME_ITEM)
        box = items.input_box()
        self.assertIsNotNone(box, "no input box")
        self.assertEqual((box.caption, box.prompt, box.text), ("信息：", "新项目名称：", "old"))
        box.answer("新名字")
        self.assertTrue(wait_until(lambda: list(items.sections(app)) == ["新名字", "other"], 10))
        self.assertEqual(items.sections(app)["新名字"][items.TARGET], "##APP##a.exe")

        # The grid was reloaded: the renamed item is item 1 and a second rename offers its new name.
        items.choose(self, app, window, grid, 1, items.RENAME_ITEM)
        box = items.input_box()
        self.assertEqual(box.text, "新名字")
        box.cancel()
        self.assertTrue(wait_until(lambda: items.no_box_left(app), 5))
        self.assertEqual(list(items.sections(app)), ["新名字", "other"])

    def test_command_line_change_reaches_the_started_program(self):
        app, window, grid = items.start(self, {"rec": items.item("##APP##rec.exe", "null"),
                                               "doc": items.item("##APP##d.txt")})
        rec = items.install_recorder(app, "rec.exe")
        items.choose(self, app, window, grid, 1, items.CHANGE_ARGUMENTS)
        box = items.input_box()
        self.assertIsNotNone(box, "no input box")
        self.assertEqual((box.caption, box.prompt, box.text), ("修改项目命令行", "rec 的命令行：", ""))
        box.answer("--port 80")
        self.assertTrue(wait_until(lambda: items.sections(app)["rec"].get(items.ARGUMENTS) == "--port 80", 10))
        items.double_click_item(window, grid, 1)
        self.assertEqual(items.recorded(rec)[0], "--port 80")

        # A document carries no run arguments.
        items.choose(self, app, window, grid, 2, items.CHANGE_ARGUMENTS)
        self.assert_box(app, "信息：", "该项目不能够修改命令行！")

    def test_delete_takes_the_item_and_its_icon_without_asking(self):
        app, window, grid = items.start(self, {"a": items.item("##APP##a.exe", "null"),
                                               "b": items.item("##APP##b.exe", "null")})
        # "a" keeps an icon file of its own, so that its removal can be seen.
        own = os.path.join(app.data_dir, "own.bmp")
        with open(os.path.join(app.data_dir, items.ICON), "rb") as f, open(own, "wb") as g:
            g.write(f.read())
        keys = items.sections(app)
        keys["a"][items.ICON_HASH] = "own.bmp"
        items.write_ini(items.category_path(app), keys)
        items.choose(self, app, window, grid, 1, items.DELETE_ITEM)
        self.assertTrue(wait_until(lambda: list(items.sections(app)) == ["b"], 10))
        self.assertFalse(os.path.exists(own))
        self.assertTrue(items.no_box_left(app))

    def test_start_with_system_of_the_item_menu_is_not_there_yet(self):
        app, window, grid = items.start(self, {"a": items.item("##APP##a.exe", "null")})
        items.choose(self, app, window, grid, 1, items.ITEM_START_WITH_SYSTEM)
        self.assert_box(app, "信息：", "还没有填充代码！")

    def show_preview(self, window, grid):
        """Right press on the folder item 1, then the first entry of its menu, "预览内容(目录)"; the
        list's (left, top, right, bottom) on the screen."""
        items.open_item_menu(self, window, grid, 1)
        items.menu_keys("Down", "Return")
        code, fields = probe("child", "TovenkMainWindow", "ListBox")
        self.assertEqual(code, 0, "no preview list")
        self.assertEqual(fields[1], "1", "the preview list is not shown")
        return tuple(map(int, fields[2:6]))

    def list_hidden(self):
        return probe("child", "TovenkMainWindow", "ListBox")[1][1] == "0"

    def test_folder_preview_lists_the_files_and_a_double_click_opens_one(self):
        app, window, grid = items.start(self, {"box": items.item("##APP##box")})
        rec = items.install_recorder(app, "box/" + "r" * 36 + ".exe")  # 40 bytes: the list is 250 wide
        os.makedirs(os.path.join(app.run_dir, "box", "sub"))  # folders are not listed
        left, top, right, bottom = self.show_preview(window, grid)
        self.assertEqual(right - left, 250)
        # Centred under the pointer, 25 pixels above it.
        x, y = items.item_point(window, grid, 1)
        self.assertEqual((left, top), (x - 125, y - 25))

        # The pointer going well away from the list closes it (the edge watcher's check).
        items.pointer_to(5, 1000)
        self.assertTrue(wait_until(self.list_hidden, 5), "the list stays open when the pointer leaves it")

        left, top, right, bottom = self.show_preview(window, grid)
        items.double_click(left + 20, top + 8)  # the one entry
        self.assertIsNotNone(items.recorded(rec), "the chosen file was not opened")
        self.assertTrue(wait_until(self.list_hidden, 5), "the list stays open after the double click")


if __name__ == "__main__":
    unittest.main()
