"""Files dropped on the real launcher from another process: each becomes an item of the open
category with its icon cached, a name that is taken is refused with its message, and big, long
or broken drops neither crash nor hang the program nor lose the other files."""
import os
import unittest

import e2e_items as items
import e2e_screen as screen
from tovenk_e2e import IDOK, LauncherTestCase

CONFLICT = " 项目名称冲突！请重试。"
WHITE = (255, 255, 255)


class DropIntakeTest(LauncherTestCase):
    def folder(self, app, relative):
        path = os.path.join(app.run_dir, relative)
        os.makedirs(path, exist_ok=True)
        return path

    def assert_alive(self, app):
        self.assertIsNone(app.process.poll(), "the launcher ended")
        self.assertIsNotNone(app.window(wait=5), "the launcher's window is gone")

    def test_three_dropped_files_become_three_items_shown_in_the_grid(self):
        app, window, grid = items.start(self, {})
        work = self.folder(app, "drops/Work.2024")
        picture = os.path.join(app.run_dir, "drops", "pic.bmp")
        items.write_bmp(picture, 32, 32, (200, 0, 0))
        program = items.install_recorder(app, "drops/tool.exe")
        self.assertEqual(items.drop(window, [work, picture, program]), 0)

        found = items.wait_sections(app, 3)
        self.assertEqual(list(found), ["Work.2024", "pic", "tool"])
        self.assertEqual(found["Work.2024"][items.TARGET], "##APP##drops\\Work.2024")
        self.assertEqual(found["tool"][items.ARGUMENTS], "null")
        for name, keys in found.items():
            self.assertTrue(os.path.exists(os.path.join(app.data_dir, keys[items.ICON_HASH])), name)
        self.assertTrue(items.no_box_left(app))

        # The reload after the drop shows all three icons, one per row.
        items.pointer_to(5, 1000)
        self.assertTrue(items.wait_until(lambda: self.icons_painted(window, grid, 3), 5), "the icons are not painted")

    def icons_painted(self, window, grid, count):
        shot = screen.Shot("drop-three")
        for j in range(1, count + 1):
            x, y = grid.icon(j)
            box = (window.left + x, window.top + y, window.left + x + 64, window.top + y + 64)
            if shot.count(WHITE, box) > 64 * 64 - 200:
                return False
        return True

    def test_a_taken_name_is_refused_with_its_message_and_the_rest_is_taken(self):
        app, window, grid = items.start(self, {"report": items.item("##APP##report")})
        self.folder(app, "report")
        report = os.path.join(app.run_dir, "other", "report.txt")
        os.makedirs(os.path.dirname(report))
        with open(report, "wb") as f:
            f.write(b"text")
        second = self.folder(app, "second")
        self.assertEqual(items.drop(window, [report, second]), 0)

        box = app.message_box(wait=10)
        self.assertIsNotNone(box, "no conflict message")
        hwnd, caption, text = box
        self.assertEqual((caption, text), ("信息：", "report.txt" + CONFLICT))
        app.press(hwnd, IDOK)
        found = items.wait_sections(app, 2)
        self.assertEqual(list(found), ["report", "second"])
        self.assertEqual(found["report"][items.TARGET], "##APP##report", "the existing item keeps its keys")
        self.assertTrue(items.no_box_left(app))

    def test_a_hundred_files_arrive_whole(self):
        app, window, grid = items.start(self, {})
        folders = [self.folder(app, "many/f%03d" % i) for i in range(100)]
        self.assertEqual(items.drop(window, folders), 0)
        found = items.wait_sections(app, 100, timeout=120)
        self.assertEqual(list(found), ["f%03d" % i for i in range(100)])
        self.assert_alive(app)
        self.assertTrue(items.no_box_left(app))

    def test_paths_at_the_length_limit_are_taken_and_longer_ones_skipped(self):
        app, window, grid = items.start(self, {})
        base = os.path.join(app.run_dir, "long")
        # Wine names the path "Z:" + the Unix path, so the Windows path is 2 bytes longer.
        def of_length(total, tag):
            name = tag + "x" * (total - 2 - len(base) - 1 - len(tag))
            return self.folder(app, os.path.join(base, name))
        longest, too_long = of_length(259, "a"), of_length(270, "b")
        self.assertEqual(len(items.dos_path(longest)), 259)
        plain = self.folder(app, "plain")
        self.assertEqual(items.drop(window, [longest, too_long, plain]), 0)

        found = items.wait_sections(app, 2)
        self.assertEqual(list(found), [os.path.basename(longest), "plain"])
        self.assertEqual(found[os.path.basename(longest)][items.TARGET],
                         "##APP##long\\" + os.path.basename(longest))
        self.assert_alive(app)

    def test_a_file_that_vanished_before_the_drop_does_not_stop_the_others(self):
        app, window, grid = items.start(self, {})
        first, last = self.folder(app, "a"), self.folder(app, "b")
        gone = os.path.join(app.run_dir, "gone.txt")
        self.assertEqual(items.drop(window, [first, gone, last]), 0)
        items.wait_until(lambda: {"a", "b"} <= set(items.sections(app)), 20)
        self.assertLessEqual({"a", "b"}, set(items.sections(app)))
        self.assert_alive(app)

    def test_after_repairing_the_drop_target_a_drop_is_taken_once(self):
        app, window, grid = items.start(self, {})
        app.command(items.REPAIR_DROP)
        app.command(items.REPAIR_DROP)
        one = self.folder(app, "one")
        self.assertEqual(items.drop(window, [one]), 0)
        self.assertEqual(list(items.wait_sections(app, 1)), ["one"])
        # A second hook would hand the file over twice, and the second time it meets the first.
        self.assertTrue(items.no_box_left(app))


if __name__ == "__main__":
    unittest.main()
