"""Memory for the document: what opening an 8 MB file adds to the editor's
process, against the document's size.

Wine reports PrivateUsage 0 for every process, so the figure is the Linux
process's anonymous resident memory (RssAnon in /proc/PID/status) of the wine
process that runs the editor. It is read after a 1-byte file has been opened
through the same Open dialog (so the dialog's libraries are in both readings)
and again after the 8 MB file has been opened. For comparison, the same growth
is measured for a bare edit control of the same style taking the same text
(bench_open --hold), in the same run."""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from editor import ENV, EXE, Editor, probe, to_windows_path, top_windows, wait_until, xdotool  # noqa: E402

MEGABYTES = 8


def rss_anon(pid):
    """RssAnon of the process in bytes."""
    with open(f"/proc/{pid}/status", encoding="ascii") as f:
        for line in f:
            if line.startswith("RssAnon:"):
                return int(line.split()[1]) * 1024
    raise RuntimeError("no RssAnon")


def settled_rss(pid, seconds=1.0):
    """RssAnon once it has stopped changing for a while."""
    last, stable_since = rss_anon(pid), time.time()
    while time.time() - stable_since < seconds:
        time.sleep(0.1)
        now = rss_anon(pid)
        if now != last:
            last, stable_since = now, time.time()
    return last


def document(size):
    """Chinese and ASCII lines with CR LF in code page 936, `size` bytes (one less
    when that would cut a character)."""
    line = "这是一行测试文本，含有中文和 ASCII letters 0123456789。\r\n".encode("gbk")
    data = (line * (size // len(line) + 1))[:size]
    try:
        data.decode("gbk")
    except UnicodeDecodeError:
        data = data[:-1]
    return data


def window_titled(title):
    return next((w for w in top_windows() if w["text"] == title), None)


def open_in_editor(path, units):
    """Chooses 打开, types the path into the dialog and waits for the text."""
    assert probe("command", "2")["ok"]
    wait_until(lambda: window_titled("打开"), what="the Open dialog")
    ids = wait_until(lambda: xdotool("search", "--onlyvisible", "--name", "^打开$").split(),
                     what="the Open dialog's X window")
    xdotool("windowfocus", "--sync", ids[-1])
    xdotool("key", "--clearmodifiers", "ctrl+a")
    xdotool("type", "--delay", 15, to_windows_path(path))
    xdotool("key", "Return")
    wait_until(lambda: probe("length").get("units") == units, timeout=180, step=0.5, what="the opened text")
    wait_until(lambda: not window_titled("打开"), timeout=30, what="the dialog to close")


def editor_growth(small, large, units):
    with Editor() as editor:
        open_in_editor(small, 1)
        before = settled_rss(editor.proc.pid)
        open_in_editor(large, units)
        after = settled_rss(editor.proc.pid)
    return before, after


def bare_growth(large):
    bench_open = os.path.join(os.path.dirname(EXE), "bench_open.exe")
    proc = subprocess.Popen(["wine", bench_open, "--hold", to_windows_path(large)], env=ENV,
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    try:
        assert proc.stdout.readline().strip() == "ready"
        before = settled_rss(proc.pid)
        proc.stdin.write("load\n")
        proc.stdin.flush()
        loaded = proc.stdout.readline().strip()
        assert loaded.startswith("loaded"), loaded
        after = settled_rss(proc.pid)
        proc.stdin.write("end\n")
        proc.stdin.flush()
        proc.wait(timeout=60)
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
    return before, after


def main():
    folder = tempfile.mkdtemp(prefix="tamsu-memory-")
    small, large = os.path.join(folder, "small.txt"), os.path.join(folder, "large.txt")
    data = document(MEGABYTES << 20)
    with open(small, "wb") as f:
        f.write(b"x")
    with open(large, "wb") as f:
        f.write(data)
    units = len(data.decode("gbk").encode("utf-16-le")) // 2
    try:
        before, after = editor_growth(small, large, units)
        bare_before, bare_after = bare_growth(large)
    finally:
        for p in (small, large):
            os.remove(p)
        os.rmdir(folder)
    mb = 1 << 20
    ratio, bare_ratio = (after - before) / len(data), (bare_after - bare_before) / len(data)
    print(f"memory: RssAnon of the editor's wine process {before / mb:.1f} MB before, {after / mb:.1f} MB after "
          f"opening {len(data) / mb:.0f} MB ({units} characters): +{(after - before) / mb:.1f} MB, "
          f"{ratio:.2f} x the document")
    print(f"  a bare edit control taking the same text: {bare_before / mb:.1f} MB before, {bare_after / mb:.1f} MB "
          f"after: +{(bare_after - bare_before) / mb:.1f} MB, {bare_ratio:.2f} x the document")
    print(f"  after the open the editor holds {after / len(data):.2f} x the document in all")
    print(f"RESULT|Memory added by opening 8 MB, per byte of the document|{ratio:.3f}|-|"
          f"the document's size; a bare edit control adds {bare_ratio:.2f} x", flush=True)


if __name__ == "__main__":
    main()
