"""What the user meets when a file cannot be opened or saved, on the real editor
through the system's own file dialogs: the former file intact, the document intact,
the user told, no temporary file left."""
import contextlib
import os
import subprocess
import time
import unittest

from file_cases import FileCase, children, gbk, message_box
from editor import (ENV, PROBE, Editor, answer_file_dialog, focus_x_window, probe, to_windows_path, top_windows,
                    wait_closed, wait_until, window_titled, xdotool)


def document_path(ed):
    """The document's file: the text of the hidden path box."""
    return [c for c in ed.state()["children"] if c["class"] == "Edit" and not c["visible"]][0]["text"]


def dismiss(caption):
    focus_x_window(caption)
    xdotool("key", "Return")
    wait_closed(caption)


@contextlib.contextmanager
def tmpfs(test, folder, size):
    """A small file system of its own at folder, unmounted afterwards. Mounting
    needs root: elsewhere the test is skipped and says why."""
    os.mkdir(folder)
    mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={size}", "tmpfs", folder],
                             capture_output=True, text=True)
    if mounted.returncode != 0:
        test.skipTest(f"cannot mount a tmpfs here (needs root): {mounted.stderr.strip()}")
    try:
        yield folder
    finally:
        subprocess.run(["umount", folder], capture_output=True)
        if os.path.ismount(folder):
            subprocess.run(["umount", "-l", folder], capture_output=True)


@contextlib.contextmanager
def locked(path):
    """Another program holding the file open with no sharing, as long as the block runs."""
    holder = subprocess.Popen(["wine", PROBE, "lock", to_windows_path(path)], env=ENV,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    try:
        assert '"locked":true' in holder.stdout.readline(), "probe.exe could not lock " + path
        yield path
    finally:
        holder.kill()
        holder.wait(timeout=30)
        holder.stdout.close()


class FileFaults(FileCase):
    def set_document(self, text):
        """The document's text as if just opened: not modified, so Open does not ask first."""
        source = self.path("document.utf8")
        with open(source, "w", encoding="utf-8", newline="") as f:
            f.write(text)
        self.assertTrue(probe("settext", to_windows_path(source))["ok"])
        os.remove(source)

    def test_a_full_disk_leaves_the_former_file_as_it_was(self):
        with tmpfs(self, self.path("small-disk"), "256k") as disk:
            target = os.path.join(disk, "target.txt")
            former = gbk("原来的内容\r\n") * 50
            with open(target, "wb") as f:
                f.write(former)
            try:  # fill the disk to the last byte
                with open(os.path.join(disk, "filler"), "wb") as f:
                    while True:
                        f.write(b"\0" * 4096)
                        f.flush()
            except OSError:
                pass
            self.write("big.txt", b"0123456789abcdef\r\n" * 20000)  # 360 KB, more than the disk holds
            with Editor() as ed:
                self.open_file(ed, "big.txt")
                wait_until(lambda: len(ed.edit_box()["text"]) == 360000, what="the big text")
                ed.choose("文件", "另存为")
                answer_file_dialog("打开", to_windows_path(target))
                # The dialog asks before replacing an existing file: yes.
                wait_until(lambda: len([w for w in top_windows() if w["text"] == "打开"]) >= 2,
                           what="the overwrite question")
                xdotool("key", "Return")
                box, text = message_box("错误")
                self.assertTrue(text.startswith("无法保存文件：" + to_windows_path(target) + "\r\n"), text)
                dismiss("错误")
                self.assertEqual(ed.edit_box()["text"], "0123456789abcdef\r\n" * 20000)
                self.assertIsNone(ed.proc.poll())
            with open(target, "rb") as f:
                self.assertEqual(f.read(), former)
            self.assertEqual(sorted(os.listdir(disk)), ["filler", "target.txt"])

    def test_an_open_that_cannot_be_done_says_why_and_keeps_the_document(self):
        self.write("empty.txt", b"")
        with open(self.path("large.txt"), "wb") as f:
            f.truncate(200 * 1024 * 1024)  # sparse: no room taken on disk
        self.write("locked.txt", gbk("别的程序占用着它"))
        told_too_large = "文件太大，无法打开：{}\r\n只能打开不超过 32 MB 的文件。"
        # (file, what the user is told: the whole message, or its start before
        # the system's reason; None where the file opens)
        cases = [
            ("empty.txt", None),
            ("large.txt", told_too_large),
            ("locked.txt", "无法打开文件：{}\r\n..."),
        ]
        with Editor() as ed:
            for name, told in cases:
                with self.subTest(name), (locked(self.path(name)) if name == "locked.txt" else contextlib.nullcontext()):
                    self.set_document("原来的文档\r\n")
                    files = sorted(os.listdir(self.dir))
                    path_before = document_path(ed)
                    self.open_file(ed, name)
                    path = to_windows_path(self.path(name))
                    if told is None:
                        wait_until(lambda: ed.edit_box()["text"] == "", what="the empty document")
                        self.assertEqual(document_path(ed), path)
                    else:
                        started = time.time()
                        _, text = message_box("错误")
                        self.assertLess(time.time() - started, 10, "the refusal came late")
                        expected = told.format(path)
                        if expected.endswith("..."):
                            self.assertTrue(text.startswith(expected[:-3]), text)
                            self.assertGreater(len(text), len(expected) - 3, "no reason given")
                        else:
                            self.assertEqual(text, expected)
                        dismiss("错误")
                        box = ed.edit_box()
                        self.assertEqual(box["text"], "原来的文档\r\n")
                        self.assertFalse(box["modified"])
                        self.assertEqual(document_path(ed), path_before)
                    self.assertEqual(sorted(os.listdir(self.dir)), files)
            self.assertIsNone(ed.proc.poll())
        self.assertEqual(os.path.getsize(self.path("large.txt")), 200 * 1024 * 1024)
        self.assertEqual(self.read("locked.txt"), gbk("别的程序占用着它"))

    def test_a_save_that_cannot_be_done_says_why_and_keeps_the_former_file(self):
        former = gbk("原来的内容\r\n")

        @contextlib.contextmanager
        def in_read_only_folder():
            # A folder the user may not write to. Root passes chmod, so the
            # whole file system is made read-only.
            with tmpfs(self, self.path("read-only"), "64k") as folder:
                target = os.path.join(folder, "former.txt")
                with open(target, "wb") as f:
                    f.write(former)
                subprocess.run(["mount", "-o", "remount,ro", folder], check=True)
                yield target

        @contextlib.contextmanager
        def read_only_target():
            target = self.write("read-only.txt", former)
            os.chmod(target, 0o444)  # Wine shows it with the read-only attribute
            try:
                yield target
            finally:
                os.chmod(target, 0o644)

        @contextlib.contextmanager
        def plain_target():
            yield self.write("held.txt", former)

        # (case, the target, what holds it while Save runs)
        cases = [
            ("read-only folder", in_read_only_folder, contextlib.nullcontext),
            ("read-only target", read_only_target, contextlib.nullcontext),
            ("locked by another program", plain_target, locked),
        ]
        for name, make_target, hold in cases:
            with self.subTest(name), make_target() as target:
                folder = os.path.dirname(target)
                with Editor() as ed:
                    ed.choose("文件", "打开")
                    answer_file_dialog("打开", to_windows_path(target))
                    wait_closed("打开")
                    wait_until(lambda: ed.edit_box()["text"] == "原来的内容\r\n", what="the opened text")
                    ed.click(300, 200)
                    ed.key("ctrl+End")
                    ed.type("new work")
                    wait_until(lambda: ed.edit_box()["modified"], what="the typing")
                    files = sorted(os.listdir(folder))
                    with hold(target):
                        ed.choose("文件", "保存")
                        _, text = message_box("错误")
                        told = "无法保存文件：" + to_windows_path(target) + "\r\n"
                        self.assertTrue(text.startswith(told), text)
                        self.assertGreater(len(text), len(told), "no reason given")
                        dismiss("错误")
                    box = ed.edit_box()
                    self.assertEqual(box["text"], "原来的内容\r\nnew work")
                    self.assertTrue(box["modified"])
                    self.assertEqual(document_path(ed), to_windows_path(target))
                    self.assertIsNone(ed.proc.poll())
                with open(target, "rb") as f:
                    self.assertEqual(f.read(), former)
                self.assertEqual(sorted(os.listdir(folder)), files)

    def test_paths_of_259_and_260_bytes_are_opened_and_saved_where_they_name(self):
        # Bytes of code page 936: with two Chinese characters in the name the
        # path has two UTF-16 units fewer, which Wine's Open dialog needs (it
        # finds no file of MAX_PATH units and more).
        for length in (259, 260):
            with self.subTest(length):
                folder = self.dir
                while length - len(to_windows_path(folder)) > 120:
                    folder = os.path.join(folder, "d" * 90)
                folder = os.path.join(folder, str(length))
                os.makedirs(folder)
                name = "中文" + "f" * (length - len(gbk(to_windows_path(folder))) - 1 - 4 - 4) + ".txt"
                target = os.path.join(folder, name)
                self.assertEqual(len(gbk(to_windows_path(target))), length)
                with open(target, "wb") as f:
                    f.write(b"opened\r\n")
                with Editor() as ed:
                    ed.choose("文件", "打开")
                    answer_file_dialog("打开", to_windows_path(target))
                    wait_closed("打开")
                    wait_until(lambda: ed.edit_box()["text"] == "opened\r\n", what="the opened text")
                    self.assertEqual(document_path(ed), to_windows_path(target))
                    ed.click(300, 200)
                    ed.key("ctrl+End")
                    ed.type("saved")
                    wait_until(lambda: ed.edit_box()["modified"], what="the typing")
                    ed.choose("文件", "保存")
                    wait_until(lambda: not ed.edit_box()["modified"], what="the save")
                    # The same length all in ASCII, as many UTF-16 units as
                    # bytes, chosen in the save dialog (titled as Save left it).
                    plain = "p" * (len(name.encode("gbk")) - 4) + ".txt"
                    ed.choose("文件", "另存为")
                    answer_file_dialog("保存", to_windows_path(os.path.join(folder, plain)))
                    wait_until(lambda: self.read_if_there(os.path.join(folder, plain)) == b"opened\r\nsaved",
                               what="the file saved under the plain name")
                    wait_closed("保存")
                with open(target, "rb") as f:
                    self.assertEqual(f.read(), b"opened\r\nsaved")
                # No file under a cut name, no temporary file.
                self.assertEqual(sorted(os.listdir(folder)), sorted([name, plain]))


if __name__ == "__main__":
    unittest.main()
