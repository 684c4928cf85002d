"""Window placement: the minimum size, parking at the left, right and top screen edges while the
pointer is away and coming back when it nears, the geometry written once after a burst of moves,
and odd stored sizes and display values that must neither crash nor hang the program."""
import os
import threading
import time
import unittest

import e2e_screen as screen
from e2e_view_data import add_category, write_view_settings
from tovenk_e2e import MAIN_CLASS, LauncherTestCase, probe, wait_until

SCREEN_WIDTH = 1280
WINDOW = "窗口数据"
FAR = (640, 1010)  # well away from every place the window takes here


def place(left, top, width, height):
    probe("place", MAIN_CLASS, left, top, width, height)


def topmost():
    return probe("topmost", MAIN_CLASS)[1] == ["1"]


class FileWatch:
    """Polls a file every 10 ms and keeps the moments at which its identity changed."""

    def __init__(self, path):
        self.path, self.changes, self._stop = path, [], threading.Event()
        self._last = self._identity()
        self._thread = threading.Thread(target=self._run, daemon=True)
        self._thread.start()

    def _identity(self):
        try:
            st = os.stat(self.path)
            return st.st_ino, st.st_mtime_ns, st.st_size
        except OSError:
            return None

    def _run(self):
        while not self._stop.is_set():
            now = self._identity()
            if now != self._last:
                self.changes.append(time.monotonic())
                self._last = now
            time.sleep(0.01)

    def stop(self):
        self._stop.set()
        self._thread.join()
        return self.changes


class ViewPlacementTest(LauncherTestCase):
    def start(self, window=None):
        app = self.new_launcher()
        if window:
            app.write_settings({WINDOW: window})
        screen.move_pointer(*FAR)
        app.start()
        self.assertIsNotNone(app.window(), "the main window did not come up")
        return app

    def wait_window(self, app, predicate, timeout=2.0):
        return wait_until(lambda: (lambda w: w if w and predicate(w) else None)(app.window(wait=0, visible=False)),
                          timeout)

    def test_too_small_sizes_become_the_minimum(self):
        app = self.start()
        for asked, expected in (((150, 100), (240, 160)), ((199, 300), (240, 300)), ((200, 160), (200, 160))):
            place(300, 300, *asked)
            w = self.wait_window(app, lambda w: (w.width, w.height) == expected)
            self.assertIsNotNone(w, "%s did not become %s" % (asked, expected))

    def test_left_edge_parks_while_the_pointer_is_away_and_comes_back_when_it_nears(self):
        app = self.start()
        place(-30, 200, 240, 300)
        started = time.monotonic()
        parked = self.wait_window(app, lambda w: w.left == 2 - 240, timeout=2.0)
        self.assertIsNotNone(parked, "not parked at the left")
        self.assertLess(time.monotonic() - started, 1.0)
        self.assertEqual(parked.top, 200)
        self.assertTrue(topmost())
        # Parking is a move: one second later the parked place is stored.
        time.sleep(1.4)
        self.assertEqual(app.settings().get(WINDOW, {}).get("左边"), "-238")
        screen.move_pointer(22, 300)
        self.assertIsNotNone(self.wait_window(app, lambda w: w.left == 0), "not back at the left edge")
        screen.move_pointer(*FAR)
        self.assertIsNotNone(self.wait_window(app, lambda w: w.left == -238), "not parked again")

    def test_right_and_top_edges_park_and_come_back(self):
        app = self.start()
        place(SCREEN_WIDTH - 100, 300, 240, 300)
        self.assertIsNotNone(self.wait_window(app, lambda w: w.left == SCREEN_WIDTH - 2), "not parked at the right")
        screen.move_pointer(SCREEN_WIDTH - 15, 400)
        self.assertIsNotNone(self.wait_window(app, lambda w: w.left == SCREEN_WIDTH - 240), "not back at the right")
        screen.move_pointer(*FAR)
        place(300, -5, 240, 300)
        self.assertIsNotNone(self.wait_window(app, lambda w: (w.left, w.top) == (300, 4 - 300)),
                             "not parked at the top")
        screen.move_pointer(400, 10)
        self.assertIsNotNone(self.wait_window(app, lambda w: (w.left, w.top) == (300, 0)), "not back at the top")

    def test_a_window_inside_the_screen_stays_where_it_is(self):
        app = self.start(window={"左边": "300", "顶边": "200", "宽": "240", "高": "300"})
        time.sleep(1.0)
        w = app.window()
        self.assertEqual((w.left, w.top), (300, 200))

    def test_ten_quick_moves_write_the_geometry_once_a_second_after_the_last(self):
        app = self.start(window={"左边": "300", "顶边": "200", "宽": "240", "高": "300"})
        time.sleep(1.5)  # start-up's own writes are over
        watch = FileWatch(app.settings_path)
        probe("moves", MAIN_CLASS, 10, 50, 7)
        last_move = time.monotonic()
        time.sleep(2.0)
        changes = watch.stop()
        self.assertEqual(len(changes), 1, "writes at %s" % [round(t - last_move, 2) for t in changes])
        self.assertGreater(changes[0] - last_move, 0.8)
        self.assertEqual(app.settings().get(WINDOW),
                         {"左边": "370", "顶边": "200", "宽": "240", "高": "300"})

    def test_odd_sizes_and_display_values_neither_crash_nor_hang(self):
        cases = [
            ({"宽": "1", "高": "1"}, {}),
            ({"宽": "10000", "高": "10000"}, {}),
            ({"宽": "-50", "高": "-50"}, {}),
            ({"宽": "400", "高": "400"}, {"图片大小": "0"}),
            ({"宽": "400", "高": "400"}, {"图片大小": "-64"}),
            ({"宽": "400", "高": "400"}, {"横向图标列数": "-3"}),
            ({"宽": "400", "高": "400"}, {"图片大小": "100000", "项目显示长度": "-7"}),
        ]
        for geometry, values in cases:
            with self.subTest(geometry=geometry, values=values):
                app = self.new_launcher()
                os.makedirs(os.path.join(app.run_dir, "folder"), exist_ok=True)
                add_category(app, "常用", [("Item%d" % j, "##APP##folder") for j in range(1, 6)])
                write_view_settings(app, ["常用"], "常用", extra=values,
                                    window={"左边": "50", "顶边": "50", **geometry})
                app.start()
                w = app.window()
                self.assertIsNotNone(w, "no window")
                self.assertGreaterEqual(w.width, 200)
                self.assertGreaterEqual(w.height, 160)
                # The pointer over the window: hover repaints, a press picks or moves nothing.
                screen.move_pointer(w.left + 60, w.top + 100)
                screen.click(w.left + 60, w.top + 100)
                screen.move_pointer(w.left + 100, w.top + 12)
                time.sleep(0.5)
                self.assertIsNone(app.process.poll(), "the program ended")
                self.assertIsNotNone(app.window(wait=2), "the window is gone")
                app.cleanup()


if __name__ == "__main__":
    unittest.main(verbosity=2)
