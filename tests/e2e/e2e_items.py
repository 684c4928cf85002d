"""Items, drops, the item menu and the input box for the end-to-end scenarios of the drop intake and
the item commands.

Items live in the category "cat", opened at start; each has a cached icon (a one-colour BMP) so
that it shows in the grid from the first paint. The window is placed at a known spot with one
column, so item j sits in row j. Drops come from another process through an X11 XDND drag source
($TOVENK_XDND_DROP), the way a file manager drops; items started by the launcher are copies of
arg_recorder.exe, which writes its arguments and current folder into "<its path>.args".
"""
import os
import shutil
import subprocess
import time


import e2e_screen as screen
from tovenk_e2e import PROBE, WINE, probe, read_ini, unhex, wait_until, write_bmp, write_ini

TOOLS = os.path.dirname(PROBE)
RECORDER = os.path.join(TOOLS, "arg_recorder.exe")
INPUT_PROBE = os.path.join(TOOLS, "input_probe.exe")
XDND_DROP = os.environ.get("TOVENK_XDND_DROP", "")

CATEGORY = "cat"
TARGET, ARGUMENTS, ICON_SOURCE, ICON_HASH = "文件位置", "运行参数", "图标位置", "图标hash"
ICON = "e2e-item.bmp"
WINDOW_AT = {"左边": "200", "顶边": "150", "宽": "320", "高": "560"}

# Menu command identifiers (WM_COMMAND).
PREVIEW_FOLDER, OPEN_ITEM, SIMULATED_RUN, OPEN_LOCATION = 1032, 1033, 1034, 1035
ITEM_START_WITH_SYSTEM, RENAME_ITEM, CHANGE_ARGUMENTS, DELETE_ITEM = 1036, 1037, 1038, 1040
REPAIR_DROP = 1011
IDOK, IDCANCEL = 1, 2


class Grid:
    """Where the launcher paints the items of the one category "cat" in one column (icon size 64,
    names of 16 bytes), in window coordinates."""
    panel = 8 + 6 * len(CATEGORY)
    cell_width, cell_height = 7 * 16 + 64 + 6, 64 + 8

    def item_centre(self, j):
        return self.panel + 12 + self.cell_width // 2, (j - 1) * self.cell_height + 26 + self.cell_height // 2

    def icon(self, j):
        """Top left corner of item j's 64 x 64 icon."""
        return self.panel + 16, (j - 1) * self.cell_height + 30


def item(target, arguments=None):
    """The keys of one item's section; `arguments` None leaves "运行参数" out (a document)."""
    keys = {TARGET: target}
    if arguments is not None:
        keys[ARGUMENTS] = arguments
    keys[ICON_HASH] = ICON
    return keys


def prepare(launcher, items, extra_settings=None):
    """Writes the category "cat" with `items` ({name: keys}, in grid order) and the settings that
    open it in a window at WINDOW_AT with one column."""
    os.makedirs(launcher.data_dir, exist_ok=True)
    write_bmp(os.path.join(launcher.data_dir, ICON), 64, 64, (0, 200, 0))
    write_ini(category_path(launcher), items)
    keys = {"类别": CATEGORY + "#@#@#", "上次打开": CATEGORY, "横向图标列数": "1"}
    keys.update(extra_settings or {})
    launcher.write_settings({"类别数据": keys, "窗口数据": dict(WINDOW_AT)})


def start(test, items, extra_settings=None):
    """A launcher with `items`, started; (launcher, window, grid)."""
    app = test.new_launcher()
    prepare(app, items, extra_settings)
    app.start()
    window = app.window()
    test.assertIsNotNone(window, "the main window did not come up")
    return app, window, Grid()


def category_path(launcher):
    return os.path.join(launcher.data_dir, CATEGORY + ".ini")


def sections(launcher):
    """{name: keys} of the category file, in file order."""
    path = category_path(launcher)
    return read_ini(path) if os.path.exists(path) else {}


def wait_sections(launcher, count, timeout=20):
    """The sections once there are `count` of them (or what there is after `timeout`)."""
    wait_until(lambda: len(sections(launcher)) == count, timeout)
    return sections(launcher)


# --- Items started by the launcher ---------------------------------------------------------------

def install_recorder(launcher, relative):
    """A copy of arg_recorder.exe at run folder + `relative` (with "/" between folders)."""
    path = os.path.join(launcher.run_dir, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    shutil.copy(RECORDER, path)
    return path


def recorded(recorder_path, timeout=15):
    """(arguments, current folder) the recorder was started with, or None when it did not run."""
    record = recorder_path + ".args"
    if not wait_until(lambda: os.path.exists(record), timeout):
        return None
    with open(record, "rb") as f:
        lines = f.read().decode("gbk").split("\r\n")
    return lines[0], lines[1]


def dos_path(unix_path):
    """How Wine names a path of the Unix file system (drive Z:)."""
    return "Z:" + unix_path.replace("/", "\\")


# --- Pointer on items, the item menu ---------------------------------------------------------------

def item_point(window, grid, j):
    x, y = grid.item_centre(j)
    return window.left + x, window.top + y


def pointer_to(x, y):
    """Moves the pointer to the screen point. "xdotool mousemove --sync" waits for a motion that
    never comes when the pointer is already there (about 15 s), so that case is left alone."""
    where = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True, text=True,
                           stdin=subprocess.DEVNULL, timeout=30).stdout
    here = dict(line.split("=", 1) for line in where.split() if "=" in line)
    if (here.get("X"), here.get("Y")) != (str(x), str(y)):
        screen.move_pointer(x, y)


def click(x, y, button=1):
    pointer_to(x, y)
    screen.xdotool("click", button)
    time.sleep(0.3)


def double_click(x, y):
    pointer_to(x, y)
    screen.xdotool("click", "--repeat", 2, "--delay", 80, 1)
    time.sleep(0.3)


def double_click_item(window, grid, j):
    double_click(*item_point(window, grid, j))


def open_item_menu(test, window, grid, j):
    """Right press on item j; the item menu must come up."""
    click(*item_point(window, grid, j), button=3)
    code, _ = probe("menu", 5000)
    test.assertEqual(code, 0, "the item menu did not come up")


def menu_keys(*keys):
    """Keys to the open popup menu, e.g. ("Down", "Return"); waits until it has closed."""
    for key in keys:
        screen.xdotool("key", key)
        time.sleep(0.05)
    wait_until(lambda: probe("menu", 0)[0] != 0, 5)


def choose(test, app, window, grid, j, command):
    """Item j picked by a right press, its menu closed, then the command sent as the menu sends
    it: the selection is the one the right press made."""
    open_item_menu(test, window, grid, j)
    menu_keys("Escape")
    app.command(command)


def explorer_window_named(name):
    """True when Wine's Explorer shows a window with that title (an X window of explorer.exe)."""
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True, stdin=subprocess.DEVNULL,
                          timeout=30).stdout
    return ('"%s": ("explorer.exe"' % name) in tree


# --- Drops ----------------------------------------------------------------------------------------

def drop(window, unix_paths, at=(150, 200)):
    """Drops the paths on the launcher at window point `at`, from another process; the drag
    source's exit code (0 once the drop was taken)."""
    assert XDND_DROP, "TOVENK_XDND_DROP is not set"
    done = subprocess.run([XDND_DROP, str(window.left + at[0]), str(window.top + at[1]), *unix_paths],
                          stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
    return done.returncode


# --- The input box ----------------------------------------------------------------------------------

class InputBox:
    def __init__(self, fields):
        self.hwnd = fields[0]
        self.caption = unhex(fields[1]).decode("gbk")
        self.prompt = unhex(fields[2]).decode("gbk")
        self.text = unhex(fields[3]).decode("gbk")

    def answer(self, text):
        """Types `text` over the field and presses OK."""
        hexed = text.encode("gbk").hex() or "-"
        subprocess.run([WINE, INPUT_PROBE, "type", self.hwnd, hexed], stdin=subprocess.DEVNULL, capture_output=True,
                       timeout=60, check=True)
        probe("press", self.hwnd, IDOK)

    def cancel(self):
        probe("press", self.hwnd, IDCANCEL)


def input_box(wait=10.0):
    """The launcher's input box once it is on the screen, or None."""
    done = subprocess.run([WINE, INPUT_PROBE, "find", str(int(wait * 1000))], stdin=subprocess.DEVNULL,
                          capture_output=True, timeout=60)
    if done.returncode != 0:
        return None
    return InputBox(done.stdout.decode("ascii", "replace").split())


def no_box_left(app):
    """True when neither a message box nor an input box is open."""
    return app.message_box(wait=0.2) is None and input_box(wait=0.2) is None
