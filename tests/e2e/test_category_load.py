"""The last category opens at start: items whose icons are not cached yet get them extracted from
their targets, and the rebuild keeps what the user stored."""
import os
import unittest

from tovenk_e2e import LauncherTestCase, read_ini, wait_until, write_ini

NOTEPAD = "C:\\windows\\notepad.exe"


class CategoryLoadTest(LauncherTestCase):
    def test_missing_icons_are_extracted_and_the_command_line_survives(self):
        app = self.new_launcher()
        app.write_settings({"类别数据": {"类别": "常用#@#@#空#@#@#", "上次打开": "常用"}})
        category = os.path.join(app.data_dir, "常用.ini")
        write_ini(category, {"记事本": {"文件位置": NOTEPAD, "运行参数": "-a \"x y\"", "图标位置": "null", "图标hash": ""}})
        write_ini(os.path.join(app.data_dir, "空.ini"), {})
        app.start()
        self.assertIsNotNone(app.window())

        def cached():
            keys = read_ini(category).get("记事本", {})
            icon = keys.get("图标hash", "")
            return keys if icon and os.path.exists(os.path.join(app.data_dir, icon)) else None

        keys = wait_until(cached, 20)
        self.assertIsNotNone(keys, "no cached icon was made: %r" % read_ini(category))
        self.assertEqual(keys["文件位置"], NOTEPAD)
        self.assertEqual(keys["运行参数"], "-a \"x y\"")
        self.assertRegex(keys["图标hash"], r"^[0-9a-f]{32}\.(png|ico|bmp)$")
        self.assertEqual(app.settings()["类别数据"]["上次打开"], "常用")


if __name__ == "__main__":
    unittest.main(verbosity=2)
