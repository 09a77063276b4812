"""What the file tests share: a folder of their own, GBK bytes, message boxes."""
import os
import shutil
import tempfile
import unittest

from editor import answer_file_dialog, probe, to_windows_path, wait_closed, wait_until, window_titled


def gbk(text):
    return text.encode("gbk")


def children(title):
    window = wait_until(lambda: window_titled(title), what=f"the window {title}")
    return [c for c in probe("children", str(window["hwnd"]))["children"] if c["visible"]]


def message_box(caption):
    """The box and its message (the one child text that is not a button's)."""
    box = wait_until(lambda: window_titled(caption), what=f"the message box {caption}")
    texts = [c["text"] for c in probe("children", str(box["hwnd"]))["children"] if c["class"] != "Button"]
    return box, "".join(texts)


class FileCase(unittest.TestCase):
    """A test with a temporary folder of its own, removed afterwards."""

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="tamsu-files-")

    def tearDown(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.dir, name)

    def write(self, name, data):
        with open(self.path(name), "wb") as f:
            f.write(data)
        return self.path(name)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def read_if_there(self, name):
        try:
            return self.read(name)
        except FileNotFoundError:
            return None

    def open_file(self, ed, name):
        ed.choose("文件", "打开")
        answer_file_dialog("打开", to_windows_path(self.path(name)))
        wait_closed("打开")
