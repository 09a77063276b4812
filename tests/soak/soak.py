"""A soak run of the real editor: thousands of typed characters with paste,
cut, case conversion, Find, folding and the menus in between, all through the
window as a user works it, while the clock line ticks. A model of those
actions says what the document must hold; it is compared after every action
that changes the document and at the end. The editor's memory and GUI objects
are sampled after two warm-up rounds and at the end, and must stay within a bound.

Run by scripts/soak.sh (which builds, starts the display and the Wine prefix
and sets TAMSU_EXE and TAMSU_WINE_DIR). Knobs:
  TAMSU_SOAK_CHARS  characters to type (default 20000)
  TAMSU_SOAK_SEED   seed of the action sequence (default 8)
"""
import json
import os
import random
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from editor import ENV, PROBE, Editor, run, wait_until, xdotool  # noqa: E402

CHARS = int(os.environ.get("TAMSU_SOAK_CHARS", "20000"))
SEED = int(os.environ.get("TAMSU_SOAK_SEED", "8"))
TYPE_DELAY_MS = 12

# A change of the document across this many bytes rebuilds the document box,
# which puts the caret at the selection last set by the program; typing is
# split there and the caret sent back to the end.
SCROLL_BAR_THRESHOLD = 2156

# Growth allowed between the warm-up sample and the end. With the document
# held at one size, 10,000 keystrokes grow the anonymous memory by about 25 KB;
# what the document gains costs the edit control a few bytes per character.
# A leak of 100 bytes per keystroke, or of one GDI object per menu opened,
# goes past these.
ANON_BOUND = 2 * 1024 * 1024           # plus ANON_PER_CHAR per character the document gained
ANON_PER_CHAR = 32
GDI_BOUND = 20                         # live GDI objects
WINDOWS_BOUND = 0                      # windows of the process

WORD_BUTTONS = {"文件": (40, 12), "编辑": (80, 12), "功能": (120, 12)}
FOLD_BUTTON = (544, 8)                 # 图形按钮4 and 图形按钮5 share the place
DOCUMENT_POINT = (300, 200)
EDIT_MENU = ["全选", "-", "剪切", "复制", "粘贴", "字体", "小写转大写", "大写转小写", "-", "清空", "查找", "-",
             "打开网址"]
ITEM_HEIGHT, SEPARATOR_HEIGHT = 22, 9


class Diverged(AssertionError):
    pass


PROBE_HICCUPS = []  # (arguments, exit code, the end of its error output) of runs that printed nothing


def probe(*args):
    """probe.exe's answer; a run that prints nothing is noted and tried again."""
    for _ in range(3):
        result = run(["wine", PROBE, *args], timeout=60)
        lines = result.stdout.strip().splitlines()
        if lines:
            return json.loads(lines[-1])
        PROBE_HICCUPS.append((" ".join(args) or "(main window)", result.returncode, result.stderr.strip()[-300:]))
        time.sleep(0.5)
    raise AssertionError(f"probe.exe {' '.join(args)} printed nothing three times: {PROBE_HICCUPS[-1]}")


def top_windows():
    return probe("top")["windows"]


class Model:
    """What the document holds after each action; the caret is kept at the end."""

    def __init__(self):
        self.text = ""
        self.clipboard = ""

    def typed(self, s):
        self.text += s.replace("\n", "\r\n")

    def tail_start(self, k):
        """Where k presses of shift+Left from the end begin the selection (a line break is one step)."""
        i = len(self.text)
        for _ in range(k):
            if i == 0:
                break
            i -= 2 if self.text[i - 2:i] == "\r\n" else 1
        return i


class Soak:
    def __init__(self, ed, rng):
        self.ed = ed
        self.rng = rng
        self.model = Model()
        self.typed_chars = 0
        self.counts = {}
        self.log = []
        self.samples = {}
        self.trend = []  # (RssAnon, GDI objects) after each round

    # ------------------------------------------------------------ the editor

    def count(self, what):
        self.counts[what] = self.counts.get(what, 0) + 1
        self.log.append(what)

    def document(self):
        return self.ed.edit_box(probe())["text"]

    def expect_document(self, what, timeout=15):
        """Waits until the document is what the model says; a difference ends the run."""
        want = self.model.text
        end = time.time() + timeout
        got = None
        while time.time() < end:
            got = self.document()
            if got == want:
                return
            time.sleep(0.2)
        at = next((i for i, (a, b) in enumerate(zip(got, want)) if a != b), min(len(got), len(want)))
        raise Diverged(f"after {what} (action {len(self.log)}): the document has {len(got)} characters, "
                       f"the model {len(want)}; first difference at {at}: "
                       f"document {got[max(0, at - 20):at + 20]!r}, model {want[max(0, at - 20):at + 20]!r}; "
                       f"last actions {self.log[-6:]}")

    def key(self, *keys):
        self.ed.key(*keys)

    def to_end(self):
        self.key("ctrl+End")

    def type_text(self, s, at_end=True):
        """Types s where the caret is; at the end, typing is split where the document crosses the
        scroll-bar threshold and the caret is sent back to the end."""
        length = len(self.model.text.encode("ascii"))
        start = 0
        for i, c in enumerate(s):
            after = length + (2 if c == "\n" else 1)
            crossed = (length < SCROLL_BAR_THRESHOLD) != (after < SCROLL_BAR_THRESHOLD)
            length = after
            if crossed and at_end:
                self.send_text(s[start:i + 1])
                time.sleep(0.3)
                self.to_end()
                start = i + 1
        self.send_text(s[start:])

    def send_text(self, s):
        if not s:
            return
        self.ed.focus()
        xdotool("type", "--delay", TYPE_DELAY_MS, s)
        self.typed_chars += len(s)

    def open_menus(self):
        return [w for w in top_windows() if w["class"] == "#32768"]

    def open_edit_menu(self, road):
        """Opens 编辑 by its word button or by a right-button press in the document."""
        if road == "button":
            self.ed.click(*WORD_BUTTONS["编辑"])
        else:
            self.ed.move(*DOCUMENT_POINT)
            time.sleep(0.05)
            xdotool("mousedown", 3)
        menu = wait_until(self.open_menus, timeout=10, what="the 编辑 menu")[0]
        if road != "button":
            xdotool("mouseup", 3)
        return menu

    def choose(self, item, road):
        menu = self.open_edit_menu(road)
        heights = [SEPARATOR_HEIGHT if t == "-" else ITEM_HEIGHT for t in EDIT_MENU]
        border = (menu["h"] - sum(heights)) // 2
        index = EDIT_MENU.index(item)
        x = menu["x"] + menu["w"] // 2
        y = menu["y"] + border + sum(heights[:index]) + ITEM_HEIGHT // 2
        xdotool("mousemove", x, y)
        time.sleep(0.1)
        xdotool("click", 1)
        wait_until(lambda: not self.open_menus(), timeout=10, what="the menu to close")
        time.sleep(0.2)

    def refocus_document(self):
        """A word button took the focus: a click in the document gives it back."""
        self.ed.click(*DOCUMENT_POINT)
        time.sleep(0.1)
        self.to_end()

    def select_tail(self, k):
        self.key(*(["shift+Left"] * k))
        return self.model.tail_start(k)

    # ------------------------------------------------------------ actions

    def words(self, n):
        out = []
        for _ in range(n):
            word = "".join(self.rng.choice("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")
                           for _ in range(self.rng.randint(2, 9)))
            if self.rng.random() < 0.15:
                word += str(self.rng.randint(0, 999))
            out.append(word)
            out.append("\n" if self.rng.random() < 0.1 else " ")
        return "".join(out)

    def act_type(self):
        s = self.words(self.rng.randint(6, 20))
        self.type_text(s)
        self.model.typed(s)
        self.count("type")
        self.expect_document("typing")

    def act_copy_paste(self):
        road = self.rng.choice(["button", "document"])
        k = self.rng.randint(3, 40)
        start = self.select_tail(k)
        self.choose("复制", road)
        self.model.clipboard = self.model.text[start:]
        if road == "button":
            self.refocus_document()
        else:
            self.to_end()
        self.choose("粘贴", "document")
        self.model.text += self.model.clipboard
        self.to_end()
        self.count(f"copy ({road} menu) + paste")
        self.expect_document("copy and paste")

    def act_cut(self):
        road = self.rng.choice(["button", "document"])
        k = self.rng.randint(3, 30)
        start = self.select_tail(k)
        self.choose("剪切", road)
        # The selection leaves the document by either road, wherever the focus is.
        self.model.clipboard = self.model.text[start:]
        self.model.text = self.model.text[:start]
        self.expect_document("cut")
        if road == "button":
            self.refocus_document()
        else:
            self.to_end()
        self.count(f"cut ({road} menu)")
        self.expect_document("cut")

    def act_paste(self):
        road = self.rng.choice(["button", "document"])
        self.choose("粘贴", road)
        self.model.text += self.model.clipboard
        if road == "button":
            self.expect_document("paste")
            self.refocus_document()
        self.to_end()
        self.count(f"paste ({road} menu)")
        self.expect_document("paste")

    def act_case_all(self):
        road = self.rng.choice(["button", "document"])
        upper = self.rng.random() < 0.5
        self.choose("全选", road)
        self.choose("小写转大写" if upper else "大写转小写", road)
        self.model.text = self.model.text.upper() if upper else self.model.text.lower()
        self.to_end()
        self.count(f"select all + {'upper' if upper else 'lower'} case ({road} menu)")
        self.expect_document("select all and case conversion")

    def act_case_tail(self):
        road = self.rng.choice(["button", "document"])
        upper = self.rng.random() < 0.5
        start = self.select_tail(self.rng.randint(3, 60))
        self.choose("小写转大写" if upper else "大写转小写", road)
        tail = self.model.text[start:]
        self.model.text = self.model.text[:start] + (tail.upper() if upper else tail.lower())
        self.to_end()
        self.count(f"selection {'upper' if upper else 'lower'} case ({road} menu)")
        self.expect_document("case conversion of the selection")

    def unique_token(self):
        text = self.model.text
        for _ in range(100):
            n = self.rng.randint(5, 9)
            if len(text) < n + 1:
                return None
            p = self.rng.randrange(0, len(text) - n)
            token = text[p:p + n]
            if "\r" in token or "\n" in token or token.strip() != token:
                continue
            if text.find(token) == text.rfind(token):
                return token
        return None

    def act_find(self):
        token = self.unique_token()
        replacement = f"Found{self.counts.get('find', 0) + 1}x"
        if token is None:
            return
        length = len(self.model.text)
        lengths = [length - len(token) + i for i in range(1, len(replacement) + 1)] + [length]
        if len({n < SCROLL_BAR_THRESHOLD for n in lengths}) != 1:
            return  # typing over it would rebuild the box mid-word
        road = self.rng.choice(["button", "document"])
        self.choose("查找", road)
        wait_until(lambda: self.window_titled("查找文本"), timeout=10, what="the Find dialog")
        wid = wait_until(lambda: xdotool("search", "--onlyvisible", "--name", "^查找文本$").split(),
                         what="the X window of the Find dialog")[0]
        xdotool("windowfocus", "--sync", wid)
        xdotool("type", "--delay", TYPE_DELAY_MS, token)
        xdotool("key", "Return")
        wait_until(lambda: self.window_titled("查找文本") is None, timeout=15, what="the Find dialog to close")
        pos = self.model.text.find(token)
        wait_until(lambda: (lambda b: (b["selStart"], b["selEnd"]))(self.ed.edit_box(probe())) == (pos, pos + len(token)),
                   timeout=10, what=f"the match of {token!r} at {pos} selected")
        self.type_text(replacement, at_end=False)
        self.model.text = self.model.text[:pos] + replacement + self.model.text[pos + len(token):]
        self.to_end()
        self.count("find")
        self.expect_document("find and type over")

    def window_titled(self, title):
        return next((w for w in top_windows() if w["text"] == title), None)

    def act_fold(self):
        full = self.ed.geometry()[3]
        self.ed.click(*FOLD_BUTTON)
        wait_until(lambda: self.ed.geometry()[3] == 25, timeout=10, what="the window folded")
        s = self.words(self.rng.randint(4, 10))
        self.type_text(s)  # the document box keeps the focus, unseen
        self.model.typed(s)
        self.expect_document("typing while folded")
        self.ed.click(*FOLD_BUTTON)
        wait_until(lambda: self.ed.geometry()[3] == 485, timeout=10, what="the window unfolded")
        assert full in (483, 485), full
        self.count("fold + type + unfold")

    def act_menus(self):
        for name in ("文件", "编辑", "功能"):
            self.ed.click(*WORD_BUTTONS[name])
            wait_until(self.open_menus, timeout=10, what=f"the {name} menu")
            self.key("Escape")
            wait_until(lambda: not self.open_menus(), timeout=10, what=f"the {name} menu to close")
        self.refocus_document()
        self.count("open and Esc the three menus")
        self.expect_document("the menus")

    # ------------------------------------------------------------ resources

    def sample(self, name):
        res = probe("resources")
        status = linux_status(self.ed)
        self.samples[name] = {
            "rssAnon": status.get("RssAnon", -1), "vmRss": status.get("VmRSS", -1),
            "gdiTable": res.get("gdiTable", -1), "windows": res.get("windows", -1),
            "gdi": res.get("gdi", -1), "user": res.get("user", -1),
            "private": res.get("private", -1), "workingSet": res.get("workingSet", -1),
            "document": len(self.model.text),
        }

    # ------------------------------------------------------------ the run

    def round(self):
        actions = [self.act_copy_paste, self.act_cut, self.act_paste, self.act_case_all, self.act_case_tail,
                   self.act_find, self.act_fold, self.act_menus]
        self.rng.shuffle(actions)
        for action in actions:
            for _ in range(self.rng.randint(1, 3)):
                self.act_type()
            action()

    def run(self):
        self.act_type()
        self.round()
        self.round()
        self.sample("warm-up")
        warm_chars = self.typed_chars
        while self.typed_chars < CHARS:
            self.round()
            res = probe("resources")
            self.trend.append((linux_status(self.ed).get("RssAnon", -1), res.get("gdiTable", -1)))
        self.expect_document("the last action")
        self.sample("end")
        return warm_chars


def linux_status(ed):
    """VmRSS and RssAnon, in bytes, of the Linux process that runs the editor in this prefix."""
    prefix = ENV.get("WINEPREFIX", "")
    best = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                if b"TamsuNotepad.exe" not in f.read():
                    continue
            with open(f"/proc/{pid}/environ", "rb") as f:
                if f"WINEPREFIX={prefix}".encode() not in f.read().split(b"\0"):
                    continue
            with open(f"/proc/{pid}/status", encoding="utf-8") as f:
                fields = dict(line.split(":", 1) for line in f if ":" in line)
        except OSError:
            continue
        status = {k: int(fields[k].split()[0]) * 1024 for k in ("VmRSS", "RssAnon") if k in fields}
        status["pid"] = int(pid)
        if status.get("VmRSS", 0) > best.get("VmRSS", -1):
            best = status
    return best


def clock_lines():
    """The clock line as it reads now and a minute ago."""
    lines = []
    for t in (time.localtime(), time.localtime(time.time() - 60)):
        weekday = "日一二三四五六"[(t.tm_wday + 1) % 7]
        lines.append(f"现在时间是：{t.tm_year}年{t.tm_mon}月{t.tm_mday}日星期{weekday}{t.tm_hour}:{t.tm_min}")
    return lines


def main():
    rng = random.Random(SEED)
    with Editor() as ed:
        soak = Soak(ed, rng)
        failure = None
        started = time.time()
        warm_chars = 0
        try:
            warm_chars = soak.run()
        except Exception as e:  # noqa: BLE001 - any failure is reported with the figures so far
            failure = f"{type(e).__name__}: {e}"
        duration = time.time() - started
        if failure is not None and ed.proc.poll() is not None:
            failure += f" (the editor's process had ended, exit code {ed.proc.returncode})"
        try:
            clock = next((c["text"] for c in probe()["children"] if c["text"].startswith("现在时间是")), "")
        except AssertionError:
            clock = ""
        if failure is None and clock not in clock_lines():
            failure = f"the clock line stopped: it reads {clock!r}, the time is {clock_lines()[0]!r}"
        report(soak, duration, warm_chars, failure, clock)
        ok = failure is None and within_bounds(soak)
    print("SOAK PASSED" if ok else "SOAK FAILED")
    return 0 if ok else 1


def bounds(warm, end):
    """The growth each bounded figure may have."""
    gained = max(0, end["document"] - warm["document"])
    return {"rssAnon": ANON_BOUND + ANON_PER_CHAR * gained, "gdiTable": GDI_BOUND, "windows": WINDOWS_BOUND}


def within_bounds(soak):
    warm, end = soak.samples.get("warm-up"), soak.samples.get("end")
    if not warm or not end:
        return False
    return all(end[key] - warm[key] <= bound and warm[key] >= 0 for key, bound in bounds(warm, end).items())


def report(soak, duration, warm_chars, failure, clock):
    print(f"Characters typed: {soak.typed_chars} ({warm_chars} by the warm-up sample), seed {SEED}")
    print(f"Duration: {duration:.0f} s")
    print("Actions:")
    for what, n in sorted(soak.counts.items()):
        print(f"  {n:5d}  {what}")
    if failure:
        print(f"Check: FAILED: {failure}")
    else:
        print(f"Document check: the document ({len(soak.model.text)} characters) equals the model's")
        print(f"Clock line at the end (the time now): {clock}")
    for args, code, err in PROBE_HICCUPS:
        print(f"probe.exe {args} printed nothing once (exit code {code}, error output {err!r}); tried again")
    warm, end = soak.samples.get("warm-up"), soak.samples.get("end")
    if not warm or not end:
        print("Resources: not sampled")
        return
    mib = 1024 * 1024

    limits = bounds(warm, end)

    def row(name, key, scale=1, unit=""):
        a, b = warm[key], end[key]
        fmt = (lambda v: f"{v / scale:.1f}{unit}") if scale != 1 else (lambda v: f"{v}{unit}")
        bound = limits.get(key)
        bound_text = ""
        if bound is not None:
            bound_text = f"  (bound {fmt(bound)}{'' if b - a <= bound and a >= 0 else ', EXCEEDED'})"
        print(f"  {name:34s} {fmt(a):>10s} {fmt(b):>10s} {fmt(b - a):>10s}{bound_text}")

    print(f"Resources{'':27s} {'warm-up':>10s} {'end':>10s} {'growth':>10s}")
    row("anonymous memory (Linux RssAnon)", "rssAnon", mib, " MB")
    row("resident memory (Linux VmRSS)", "vmRss", mib, " MB")
    row("GDI objects (handle table)", "gdiTable")
    row("windows of the process", "windows")
    row("GetGuiResources GDI (-1: stub)", "gdi")
    row("GetGuiResources USER (-1: stub)", "user")
    row("private bytes (Wine reports 0)", "private", mib, " MB")
    row("working set", "workingSet", mib, " MB")
    row("document (characters)", "document")
    if soak.trend:
        print("After each round: RssAnon MB " + " ".join(f"{a / mib:.1f}" for a, _ in soak.trend))
        print("                  GDI objects " + " ".join(str(g) for _, g in soak.trend))


if __name__ == "__main__":
    sys.exit(main())
