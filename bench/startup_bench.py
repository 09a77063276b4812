"""Start-up to the first painted window: the editor against Wine's own notepad,
both started the same way (`wine PROGRAM` from the same prefix, display and
folder), in alternating runs.

The clock starts when the process is started. The window counts as painted
when its picture on the X display (read with XGetImage, every few ms) has
taken its final form: the time of the last change that touches more than 1 %
of its pixels within the first second after it appears. The caret's blinking
and the clock line's seconds are smaller changes and do not count.
Prints the medians and their ratio (goal: the editor faster, ratio < 1)."""
import ctypes
import ctypes.util
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from editor import ENV, EXE  # noqa: E402

RUNS = int(os.environ.get("TAMSU_BENCH_RUNS", "9"))
SETTLE = 1.0  # seconds after the window appears in which its paint is watched
BIG_CHANGE = 0.01  # share of the window's pixels


class XClassHint(ctypes.Structure):
    _fields_ = [("res_name", ctypes.c_void_p), ("res_class", ctypes.c_void_p)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class Display:
    """The few Xlib calls needed to find a program's window and read its pixels."""
    IS_VIEWABLE = 2
    Z_PIXMAP = 2

    def __init__(self, name):
        x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                 ctypes.POINTER(ctypes.c_uint)]
        x.XGetClassHint.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XClassHint)]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
        x.XGetImage.restype = ctypes.POINTER(XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x.XFree.argtypes = [ctypes.c_void_p]
        # A window that goes away between two calls is no error worth stopping for.
        self._ignore = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
        x.XSetErrorHandler.argtypes = [ctypes.c_void_p]
        x.XSetErrorHandler(self._ignore)
        self.x = x
        self.d = x.XOpenDisplay(name.encode())
        if not self.d:
            raise RuntimeError(f"cannot open display {name}")
        self.root = x.XDefaultRootWindow(self.d)

    def shown_window(self, window_class):
        """(id, width, height) of a viewable top-level window of that class, larger than a tooltip."""
        x, root, parent = self.x, ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not x.XQueryTree(self.d, self.root, ctypes.byref(root), ctypes.byref(parent), ctypes.byref(children),
                            ctypes.byref(count)):
            return None
        found = None
        try:
            for i in range(count.value):
                hint = XClassHint()
                if not x.XGetClassHint(self.d, children[i], ctypes.byref(hint)):
                    continue
                name = ctypes.string_at(hint.res_class) if hint.res_class else b""
                x.XFree(hint.res_name)
                x.XFree(hint.res_class)
                if name.lower() != window_class.encode():
                    continue
                a = XWindowAttributes()
                if x.XGetWindowAttributes(self.d, children[i], ctypes.byref(a)) and \
                        a.map_state == self.IS_VIEWABLE and a.width > 100 and a.height > 100:
                    found = (children[i], a.width, a.height)
        finally:
            if count.value:
                x.XFree(children)
        return found

    def pixels(self, window, width, height):
        """The window's pixels as rows of bytes, or None when it cannot be read."""
        image = self.x.XGetImage(self.d, window, 0, 0, width, height, 0xFFFFFFFF, self.Z_PIXMAP)
        if not image:
            return None
        try:
            line = image.contents.bytes_per_line
            data = ctypes.string_at(image.contents.data, line * height)
        finally:
            self.x.XFree(image.contents.data)
            self.x.XFree(image)
        return [data[r * line:(r + 1) * line] for r in range(height)]


def changed_share(before, after):
    """About how much of the picture changed: 16-pixel blocks that differ, over all blocks."""
    blocks = changed = 0
    for a, b in zip(before, after):
        step = 64
        n = (len(a) + step - 1) // step
        blocks += n
        if a != b:
            changed += sum(1 for i in range(0, len(a), step) if a[i:i + step] != b[i:i + step])
    return changed / max(blocks, 1)


def time_to_first_paint(display, args, window_class):
    start = time.perf_counter()
    proc = subprocess.Popen(args, env=ENV, cwd=tempfile.gettempdir(), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    try:
        window = None
        while window is None:
            if time.perf_counter() - start > 60:
                raise RuntimeError(f"no window for {window_class}")
            window = display.shown_window(window_class)
        shown = time.perf_counter()
        previous, painted = None, shown
        while time.perf_counter() - shown < SETTLE:
            now = time.perf_counter()
            rows = display.pixels(*window)
            if rows is None:
                continue
            if previous is None or changed_share(previous, rows) > BIG_CHANGE:
                painted = now
            previous = rows
            time.sleep(0.002)
        return painted - start, shown - start
    finally:
        proc.kill()
        proc.wait()
        time.sleep(0.3)


def main():
    display = Display(ENV["DISPLAY"])
    editor = (["wine", EXE], os.path.basename(EXE).lower())
    notepad = (["wine", "notepad"], "notepad.exe")
    # Warm the prefix and the file cache once for both.
    time_to_first_paint(display, *editor)
    time_to_first_paint(display, *notepad)
    ours, theirs = [], []
    for _ in range(RUNS):
        ours.append(time_to_first_paint(display, *editor))
        theirs.append(time_to_first_paint(display, *notepad))
    a, b = statistics.median(p for p, _ in ours), statistics.median(p for p, _ in theirs)
    print(f"startup: first painted window: editor {a * 1000:.0f} ms, Wine notepad {b * 1000:.0f} ms "
          f"(median of {RUNS}, alternating)")
    print(f"  window shown: editor {statistics.median(s for _, s in ours) * 1000:.0f} ms, "
          f"notepad {statistics.median(s for _, s in theirs) * 1000:.0f} ms")
    print(f"  all runs, editor painted: {' '.join(f'{p * 1000:.0f}' for p, _ in ours)}")
    print(f"  all runs, notepad painted: {' '.join(f'{p * 1000:.0f}' for p, _ in theirs)}")
    print(f"RESULT|Start-up to the first painted window|{a / b:.3f}|< 1|Wine's notepad started the same way",
          flush=True)


if __name__ == "__main__":
    main()
