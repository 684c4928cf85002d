"""Drives the real Tovenk.exe under Wine for the end-to-end scenarios.

Every scenario runs a copy of the program from a fresh temporary run folder, so the program's
data folder appears there. Windows are looked at and driven with winprobe.exe (a small Win32
program of ours); texts cross as hex bytes in code page 936.
"""
import os
import shutil
import struct
import subprocess
import tempfile
import time
import unittest

WINE = os.environ.get("WINE", "")
EXE = os.environ.get("TOVENK_EXE", "")
PROBE = os.environ.get("TOVENK_WINPROBE", "")
MAIN_CLASS = "TovenkMainWindow"
IDOK, IDYES, IDNO = 1, 6, 7
WM_CLOSE, WM_COMMAND = 0x0010, 0x0111


def require_session():
    missing = [n for n, v in (("WINE", WINE), ("TOVENK_EXE", EXE), ("TOVENK_WINPROBE", PROBE)) if not v]
    if missing:
        raise SystemExit("e2e: %s not set: run through ctest inside scripts/with-wine.sh" % ", ".join(missing))


def unhex(text):
    return b"" if text == "-" else bytes.fromhex(text)


def gbk(text):
    return text.encode("gbk")


def probe(*args):
    """Runs winprobe; returns (exit code, output fields)."""
    done = subprocess.run([WINE, PROBE, *map(str, args)], stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
    return done.returncode, done.stdout.decode("ascii", "replace").split()


def read_ini(path):
    """A plain reading of a profile file: {section: {key: value}}, names as text, first wins."""
    sections, current = {}, None
    with open(path, "rb") as f:
        for raw in f.read().split(b"\n"):
            line = raw.strip(b" \t\r")
            if line.startswith(b"[") and b"]" in line:
                current = sections.setdefault(line[1:line.rindex(b"]")].decode("gbk"), {})
            elif current is not None and b"=" in line:
                key, value = line.split(b"=", 1)
                current.setdefault(key.strip().decode("gbk"), value.strip().decode("gbk"))
    return sections


def write_ini(path, sections):
    """Writes {section: {key: value}} as a profile file in code page 936 with CR LF lines."""
    lines = []
    for section, keys in sections.items():
        lines.append(b"[" + gbk(section) + b"]")
        lines.extend(gbk(k) + b"=" + gbk(v) for k, v in keys.items())
    with open(path, "wb") as f:
        f.write(b"\r\n".join(lines) + b"\r\n")


def write_bmp(path, width, height, rgb):
    """A 24-bit bottom-up BMP of one colour."""
    stride = (width * 3 + 3) // 4 * 4
    row = bytes((rgb[2], rgb[1], rgb[0])) * width + b"\0" * (stride - width * 3)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def wait_until(predicate, timeout, step=0.1):
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= end:
            return value
        time.sleep(step)


class Window:
    def __init__(self, fields):
        self.hwnd = fields[0]
        self.visible = fields[1] == "1"
        self.left, self.top, right, bottom = map(int, fields[2:6])
        self.width, self.height = right - self.left, bottom - self.top
        self.caption = unhex(fields[6]).decode("gbk")


class Launcher:
    """One copy of the program in its own run folder."""

    def __init__(self, run_dir=None):
        require_session()
        self.run_dir = run_dir or tempfile.mkdtemp(prefix="tovenk-e2e-")
        self.exe = os.path.join(self.run_dir, "Tovenk.exe")
        if not os.path.exists(self.exe):
            shutil.copy(EXE, self.exe)
        self.data_dir = os.path.join(self.run_dir, "data")
        self.settings_path = os.path.join(self.data_dir, "data.s")
        self.process = None

    def write_settings(self, sections):
        os.makedirs(self.data_dir, exist_ok=True)
        write_ini(self.settings_path, sections)

    def settings(self):
        return read_ini(self.settings_path) if os.path.exists(self.settings_path) else {}

    def start(self):
        self.process = self.spawn()
        return self

    def spawn(self):
        return subprocess.Popen([WINE, self.exe], cwd=self.run_dir, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def window(self, wait=10.0, visible=True):
        """The main window once it exists (and is visible, when asked), else None."""
        def look():
            code, fields = probe("window", MAIN_CLASS)
            if code != 0:
                return None
            found = Window(fields)
            return found if (found.visible or not visible) else None
        return wait_until(look, wait)

    def message_box(self, wait=10.0):
        """(hwnd, caption, text) of a message box on screen, or None."""
        code, fields = probe("msgbox", int(wait * 1000))
        if code != 0:
            return None
        return fields[0], unhex(fields[1]).decode("gbk"), unhex(fields[2]).decode("gbk")

    def press(self, box_hwnd, control_id):
        probe("press", box_hwnd, control_id)

    def close(self):
        """A close request from the system, as Alt+F4 or the taskbar would send."""
        probe("close", MAIN_CLASS)

    def command(self, command_id):
        code, fields = probe("window", MAIN_CLASS)
        if code == 0:
            probe("post", fields[0], WM_COMMAND, command_id, 0)

    def wait_exit(self, timeout=10.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait(10)
        # Leave no window behind for the next scenario.
        wait_until(lambda: probe("count", MAIN_CLASS)[1] == ["0"], 5)

    def cleanup(self):
        self.stop()
        shutil.rmtree(self.run_dir, ignore_errors=True)


class LauncherTestCase(unittest.TestCase):
    """Gives each test a fresh launcher and always stops it."""

    def new_launcher(self):
        launcher = Launcher()
        self.addCleanup(launcher.cleanup)
        return launcher
