"""Drives the real TamsuNotepad.exe under Wine in the test run's Xvfb, as a user would.

Each test starts its own editor process and ends only that process (by pid).
Environment (set by CTest): TAMSU_EXE, TAMSU_WINE_DIR, TAMSU_SOURCE_DIR.
"""
import json
import os
import re
import shlex
import subprocess
import tempfile
import time

EXE = os.environ.get("TAMSU_EXE", "")
WINE_DIR = os.environ.get("TAMSU_WINE_DIR", "")
PROBE = os.path.join(os.path.dirname(EXE), "probe.exe")

MENU_ITEM_HEIGHT = 22       # the owner-drawn items' height
MENU_SEPARATOR_HEIGHT = 9
# The centres of the title strip's word buttons that open the pop-up menus (client points).
WORD_BUTTONS = {"文件": (40, 12), "编辑": (80, 12), "功能": (120, 12)}


def wine_env():
    env = dict(os.environ)
    with open(os.path.join(WINE_DIR, "env"), encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("export "):
                key, _, value = line[len("export "):].partition("=")
                env[key] = shlex.split(value)[0] if value else ""
    return env


ENV = wine_env() if WINE_DIR else dict(os.environ)


def run(args, **kw):
    return subprocess.run(args, env=ENV, capture_output=True, text=True, **kw)


def xdotool(*args):
    return run(["xdotool", *map(str, args)]).stdout.strip()


def wait_until(predicate, timeout=20.0, step=0.1, what="condition"):
    end = time.time() + timeout
    while time.time() < end:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    raise AssertionError(f"timed out waiting for {what}")


def to_windows_path(path):
    """A Linux path as the editor sees it (Wine's Z: drive)."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def probe(*args):
    # Rarely (about once in a few hundred runs) a probe.exe started under Wine
    # prints nothing at all; a second start reads the windows as they are.
    for _ in range(2):
        done = run(["wine", PROBE, *args], timeout=60)
        lines = done.stdout.strip().splitlines()
        if lines:
            return json.loads(lines[-1])
    raise AssertionError(f"probe {args} printed nothing: rc={done.returncode} stderr={done.stderr!r}")


class Editor:
    """One running editor. Use as a context manager: the process is ended by pid."""

    def __init__(self, cwd=None):
        self.proc = subprocess.Popen(["wine", EXE], env=ENV, cwd=cwd or tempfile.gettempdir(),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.window = wait_until(self._find_window, timeout=60, what="the editor's window")
        time.sleep(0.3)

    def _find_window(self):
        ids = xdotool("search", "--onlyvisible", "--class", "tamsunotepad.exe").split()
        for wid in ids:
            geometry = self.geometry(wid)
            if geometry and geometry[2] == 660:
                return wid
        return None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.kill()

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(timeout=30)

    def wait_exit(self, timeout=20):
        return self.proc.wait(timeout=timeout)

    def geometry(self, wid=None):
        """(x, y, width, height) of an X window."""
        out = xdotool("getwindowgeometry", "--shell", wid or self.window)
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        if not values:
            return None
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def state(self):
        """The main window and its children as probe.exe reads them."""
        return probe()

    def edit_box(self, state=None):
        """The document box: the visible multi-line Edit child."""
        state = state or self.state()
        for child in state["children"]:
            if child["class"] == "Edit" and child["visible"] and child["style"] & 0x4:
                return child
        raise AssertionError("no document box")

    def focus(self):
        xdotool("windowfocus", "--sync", self.window)

    def move(self, x, y):
        """Puts the pointer at a point of the window's client area (it has no frame)."""
        gx, gy, _, _ = self.geometry()
        move_pointer(gx + x, gy + y)

    def click(self, x, y, button=1):
        """Clicks at a point of the window's client area."""
        self.move(x, y)
        time.sleep(0.1)
        xdotool("click", button)

    def press(self, x, y, button=1):
        self.move(x, y)
        time.sleep(0.1)
        xdotool("mousedown", button)

    def release(self, button=1):
        xdotool("mouseup", button)

    def choose(self, menu, item, in_document=None):
        """Chooses an item of a pop-up menu as a user does: clicks the menu's word
        button (or, with in_document=(x, y), presses the right button there, which
        opens 编辑), then clicks the item in the menu that opened."""
        if in_document:
            self.move(*in_document)
            time.sleep(0.1)
            xdotool("mousedown", 3)
        else:
            self.click(*WORD_BUTTONS[menu])
        popup = wait_until(open_menus, timeout=10, what=f"the {menu} menu")[0]
        if in_document:
            xdotool("mouseup", 3)  # on the menu's corner: chooses nothing
        x, y = menu_item_point(popup, menu_items(menu), item)
        move_pointer(x, y)
        time.sleep(0.1)
        xdotool("click", 1)
        wait_until(lambda: not open_menus(), timeout=10, what=f"the {menu} menu to close")

    def type(self, text):
        self.focus()
        xdotool("type", "--delay", 20, text)

    def key(self, *keys):
        self.focus()
        xdotool("key", "--clearmodifiers", *keys)

    def screenshot(self, path):
        run(["import", "-window", "root", path], check=True)
        return path


def pointer():
    """(x, y) of the pointer on the screen."""
    out = xdotool("getmouselocation", "--shell")
    values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
    return int(values["X"]), int(values["Y"])


def move_pointer(x, y):
    """Moves the pointer to a screen point and waits until it is there.
    (xdotool's --sync waits about 15 s when the pointer is already there.)"""
    if pointer() != (x, y):
        xdotool("mousemove", "--sync", x, y)


def top_windows():
    """Every visible top-level Windows window of the prefix (menus, dialogs, message boxes)."""
    return probe("top")["windows"]


def window_titled(title):
    """The visible top-level window with that title (a dialog, a message box), or None."""
    for w in top_windows():
        if w["text"] == title:
            return w
    return None


def focus_x_window(title):
    """Gives the keyboard to the X window of a dialog or message box, found by its title."""
    ids = wait_until(lambda: xdotool("search", "--onlyvisible", "--name", f"^{title}$").split(),
                     what=f"the X window of {title}")
    xdotool("windowfocus", "--sync", ids[-1])


def answer_file_dialog(title, path):
    """Types a Windows path into the file dialog titled `title` and confirms it.
    xdotool types a character outside the keyboard's map by remapping a key for
    it, and now and then Wine misses one of two such characters in a row: each
    goes alone, and the name is typed again until the field holds it."""
    dialog = wait_until(lambda: window_titled(title), what=f"the {title} dialog")
    focus_x_window(title)
    for _ in range(3):
        xdotool("key", "--clearmodifiers", "ctrl+a")
        for part in re.split(r"([^\x00-\x7f])", path):
            if part:
                xdotool("type", "--delay", 15, part)
                if not part.isascii():
                    time.sleep(0.2)
        try:
            wait_until(lambda: any(c["text"] == path for c in probe("children", str(dialog["hwnd"]))["children"]),
                       timeout=3, what="the typed name")
            break
        except AssertionError:
            continue
    xdotool("key", "Return")


def wait_closed(title, timeout=20):
    wait_until(lambda: not window_titled(title), timeout=timeout, what=f"{title} to close")


def open_menus():
    """The pop-up menus on the screen."""
    return [w for w in top_windows() if w["class"] == "#32768"]


def menu_items(menu):
    """The texts of the items the layout's menu puts under a top-level entry, "-" for a separator."""
    source = os.path.join(os.environ["TAMSU_SOURCE_DIR"], "src", "ui", "window_layout.cpp")
    with open(source, encoding="utf-8") as f:
        block = f.read().split("l.menu = {", 1)[1].split("};", 1)[0]
    entries = re.findall(r'^\s*\{"([^"]*)",\s*(\d+),\s*(true|false)', block, re.M)
    items, inside = [], False
    for text, level, hidden in entries:
        if level == "0":
            inside = text == menu
        elif inside and level == "1" and hidden == "false":
            items.append(text)
    assert items, f"no items under {menu}"
    return items


def menu_item_point(popup, items, item):
    """The screen point at the middle of an item of an open pop-up menu: the items
    stand one under another, the frame's height split above and below them."""
    heights = [MENU_SEPARATOR_HEIGHT if text == "-" else MENU_ITEM_HEIGHT for text in items]
    index = items.index(item)
    top = popup["y"] + (popup["h"] - sum(heights)) // 2 + sum(heights[:index])
    return popup["x"] + popup["w"] // 2, top + heights[index] // 2


def pixel(png, x, y):
    """(r, g, b) of one pixel of a screenshot."""
    out = subprocess.run(["convert", png, "-crop", f"1x1+{x}+{y}", "-depth", "8", "txt:-"],
                         capture_output=True, text=True, check=True).stdout
    rgb = out.splitlines()[1].split("(")[1].split(")")[0].split(",")
    return tuple(int(float(v)) for v in rgb[:3])


def pixels(png, x, y, w, h):
    """Every (r, g, b) of a rectangle of a screenshot, row by row."""
    raw = subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "rgb:-"],
                         capture_output=True, check=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]
