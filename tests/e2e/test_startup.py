"""Start-up and shutdown of the real program: data folder and lock, caption, single instance,
hotkey failure, close request, stored geometry."""
import os
import time
import unittest

from tovenk_e2e import IDOK, LauncherTestCase, gbk

SETTINGS = "类别数据"
WINDOW = "窗口数据"


class StartupTest(LauncherTestCase):
    def test_first_start_makes_the_data_folder_and_a_one_byte_lock(self):
        app = self.new_launcher().start()
        window = app.window()
        self.assertIsNotNone(window, "the main window did not come up")
        lock = os.path.join(app.data_dir, "tvk.s")
        self.assertTrue(os.path.isdir(app.data_dir))
        with open(lock, "rb") as f:
            self.assertEqual(f.read(), b"\x00")
        self.assertEqual(window.caption, "TovenkV3.16")
        self.assertEqual((window.width, window.height), (265, 337))

    def test_stored_title_becomes_the_caption(self):
        app = self.new_launcher()
        app.write_settings({SETTINGS: {"标题": "我的工具"}})
        app.start()
        self.assertEqual(app.window().caption, "我的工具")

    def test_second_instance_exits_at_once_while_the_first_keeps_running(self):
        app = self.new_launcher().start()
        self.assertIsNotNone(app.window())
        second = app.spawn()
        started = time.monotonic()
        self.assertEqual(second.wait(10), 0)
        self.assertLess(time.monotonic() - started, 5)
        self.assertIsNone(app.process.poll(), "the first instance ended")
        self.assertIsNotNone(app.window(wait=1))

    def test_malformed_hotkey_says_so_then_the_window_comes_up(self):
        app = self.new_launcher()
        app.write_settings({SETTINGS: {"热键": "8"}})
        app.start()
        box = app.message_box(wait=10)
        self.assertIsNotNone(box, "no message box")
        hwnd, caption, text = box
        self.assertEqual((caption, text), ("信息：", "注册热键失败！"))
        self.assertIsNone(app.window(wait=0.5), "the window is up while the box is")
        app.press(hwnd, IDOK)
        self.assertIsNotNone(app.window(wait=10), "the window did not come up after the box")

    def test_close_request_writes_the_geometry_and_exits_with_zero(self):
        app = self.new_launcher()
        app.write_settings({WINDOW: {"左边": "100", "顶边": "120", "宽": "300", "高": "400"}})
        app.start()
        window = app.window()
        self.assertEqual((window.left, window.top, window.width, window.height), (100, 120, 300, 400))
        os.remove(app.settings_path)
        app.close()
        self.assertEqual(app.wait_exit(10), 0)
        self.assertEqual(app.settings().get(WINDOW), {"左边": "100", "顶边": "120", "宽": "300", "高": "400"})

    def test_only_a_stored_left_moves_the_window_sideways_only(self):
        plain = self.new_launcher().start()
        default = plain.window()
        plain.stop()
        app = self.new_launcher()
        app.write_settings({WINDOW: {"左边": "7"}})
        app.start()
        window = app.window()
        self.assertEqual((window.left, window.top, window.width, window.height),
                         (7, default.top, default.width, default.height))


    def test_bad_data_folders_start_with_defaults_or_end_cleanly(self):
        # The data "folder" is a file: nothing can be kept, the program still comes up.
        app = self.new_launcher()
        with open(app.data_dir, "wb") as f:
            f.write(b"not a folder")
        app.start()
        self.assertEqual(app.window().caption, "TovenkV3.16")
        app.close()
        self.assertEqual(app.wait_exit(10), 0)
        with open(app.data_dir, "rb") as f:
            self.assertEqual(f.read(), b"not a folder")

        # The lock file is a folder: it cannot be held, so the program ends at once, cleanly.
        locked = self.new_launcher()
        os.makedirs(os.path.join(locked.data_dir, "tvk.s"))
        locked.start()
        self.assertEqual(locked.wait_exit(10), 0)

    def test_settings_full_of_garbage_give_the_defaults_and_keep_their_bytes(self):
        # Opening the catalogue at start stores the category order, appended after everything
        # that was there: every byte of the garbage stays, in place.
        app = self.new_launcher()
        os.makedirs(app.data_dir)
        garbage = bytes(range(256)) * 64 + b"[\xb0]\x00=\xff\r\n=\n[" * 50
        with open(app.settings_path, "wb") as f:
            f.write(garbage)
        app.start()
        self.assertEqual(app.window().caption, "TovenkV3.16")
        with open(app.settings_path, "rb") as f:
            self.assertTrue(f.read().startswith(garbage))


if __name__ == "__main__":
    unittest.main(verbosity=2)
