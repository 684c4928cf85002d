"""Pointer, keys and screenshots for the end-to-end scenarios, on the X display of the Wine session.

The pointer and keys go through xdotool, so the program gets real input events; screenshots come
from ImageMagick's import and are read back as raw RGB to look at single pixels. Screen
coordinates are X root coordinates, which are Wine's screen coordinates.
"""
import ctypes
import os
import subprocess
import time

EXE = os.environ.get("TOVENK_EXE", "")


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, stdin=subprocess.DEVNULL, timeout=30)


def pointer_position():
    out = subprocess.run(["xdotool", "getmouselocation", "--shell"], check=True, capture_output=True,
                         stdin=subprocess.DEVNULL, timeout=30).stdout.decode()
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values["X"]), int(values["Y"])


def move_pointer(x, y, settle=0.15):
    # --sync waits for the move to arrive, and waits long when the pointer is there already.
    if pointer_position() != (x, y):
        xdotool("mousemove", "--sync", x, y)
    time.sleep(settle)


def press_left(x, y):
    move_pointer(x, y)
    xdotool("mousedown", 1)


def release_left():
    xdotool("mouseup", 1)
    time.sleep(0.15)


def click(x, y, button=1, settle=0.3):
    move_pointer(x, y)
    xdotool("click", button)
    time.sleep(settle)


def double_click(x, y, settle=0.3):
    move_pointer(x, y)
    xdotool("click", "--repeat", 2, "--delay", 80, 1)
    time.sleep(settle)


def drag(x1, y1, x2, y2, steps=6):
    """Left button down at (x1, y1), moved in steps to (x2, y2), released there."""
    press_left(x1, y1)
    for i in range(1, steps + 1):
        xdotool("mousemove", x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
        time.sleep(0.05)
    release_left()


def key_down(key):
    xdotool("keydown", key)


def key_up(key):
    xdotool("keyup", key)


def artifacts_dir():
    """build/<preset>/e2e-artifacts beside the program under test."""
    folder = os.path.join(os.path.dirname(EXE) or ".", "e2e-artifacts")
    os.makedirs(folder, exist_ok=True)
    return folder


class Shot:
    """A screenshot of the whole screen; pixel(x, y) gives (red, green, blue)."""

    def __init__(self, name):
        self.path = os.path.join(artifacts_dir(), name + ".png")
        subprocess.run(["import", "-display", os.environ["DISPLAY"], "-window", "root", self.path], check=True,
                       stdin=subprocess.DEVNULL, timeout=30)
        raw = subprocess.run(["convert", self.path, "-depth", "8", "rgb:-"], check=True, capture_output=True,
                             stdin=subprocess.DEVNULL, timeout=30).stdout
        size = subprocess.run(["identify", "-format", "%w %h", self.path], check=True, capture_output=True,
                              stdin=subprocess.DEVNULL, timeout=30).stdout.split()
        self.width, self.height = int(size[0]), int(size[1])
        if len(raw) != self.width * self.height * 3:
            raise AssertionError("screenshot %s: %d bytes for %dx%d" % (self.path, len(raw), self.width, self.height))
        self.raw = raw

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.raw[i:i + 3])

    def pixels(self, left, top, right, bottom):
        """Every pixel of the box [left, right) x [top, bottom)."""
        return [self.pixel(x, y) for y in range(max(top, 0), min(bottom, self.height))
                for x in range(max(left, 0), min(right, self.width))]

    def count(self, colour, box, tolerance=0):
        return sum(1 for p in self.pixels(*box) if all(abs(a - b) <= tolerance for a, b in zip(p, colour)))


def rgb_of_colorref(value):
    """(red, green, blue) of a COLORREF 0x00BBGGRR."""
    return value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF


class _CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


def cursor_shape():
    """The pointer's current shape as the X server shows it: (width, height, hot spot, pixels).

    Wine turns each Windows cursor into an X cursor, so two positions show the same Windows
    cursor exactly when their shapes are equal."""
    xlib = ctypes.CDLL("libX11.so.6")
    xfixes = ctypes.CDLL("libXfixes.so.3")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(_CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(os.environ["DISPLAY"].encode())
    if not display:
        raise AssertionError("cannot open the X display")
    try:
        image = xfixes.XFixesGetCursorImage(display)
        if not image:
            raise AssertionError("no cursor image")
        c = image.contents
        shape = (c.width, c.height, c.xhot, c.yhot, tuple(c.pixels[i] for i in range(c.width * c.height)))
        xlib.XFree(image)
        return shape
    finally:
        xlib.XCloseDisplay(display)
