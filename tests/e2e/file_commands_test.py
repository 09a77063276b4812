"""The File commands on the real editor, chosen from the pop-up menus, through
the system's own file dialogs."""
import os
import subprocess
import time
import unittest

from file_cases import FileCase, children, gbk, message_box
from editor import (Editor, answer_file_dialog, focus_x_window, move_pointer, probe, to_windows_path,
                    top_windows, wait_closed, wait_until, window_titled, xdotool)


def click_button(title, text):
    """Clicks the button of a dialog or message box whose caption starts with text."""
    button = next(c for c in children(title) if c["class"] == "Button" and c["text"].startswith(text))
    move_pointer(button["x"] + button["w"] // 2, button["y"] + button["h"] // 2)
    time.sleep(0.1)
    xdotool("click", 1)


class FileCommands(FileCase):
    def test_an_opened_gbk_file_saved_under_a_new_name_is_equal_byte_for_byte(self):
        text = "中文测试，第一行\r\n第二行 second line\r\n\r\n末行没有换行"
        source = self.path("source.txt")
        subprocess.run(["iconv", "-f", "UTF-8", "-t", "GBK", "-o", source], input=text.encode(), check=True)
        with Editor() as ed:
            ed.choose("文件", "打开")
            # The first file dialog starts with an empty name and the one file type.
            fields = children("打开")
            self.assertIn("文本文件(*.txt)", [c["text"] for c in fields if c["class"] == "ComboBox"])
            self.assertEqual([c["text"] for c in fields if c["class"] == "Edit"], [""])
            answer_file_dialog("打开", to_windows_path(self.path("source.txt")))
            wait_closed("打开")
            box = wait_until(lambda: (lambda b: b if b["text"] == text else None)(ed.edit_box()),
                             what="the opened text")
            self.assertFalse(box["modified"])
            ed.choose("文件", "另存为")  # the caption the Open left
            answer_file_dialog("打开", to_windows_path(self.path("copy.txt")))
            wait_until(lambda: os.path.exists(self.path("copy.txt")), what="the copy")
            wait_closed("打开")
            self.assertEqual(self.read("copy.txt"), self.read("source.txt"))
            self.assertEqual(sorted(os.listdir(self.dir)), ["copy.txt", "source.txt"])

    def test_typing_into_an_opened_file_and_saving_writes_the_new_bytes(self):
        self.write("doc.txt", gbk("第一行\r\n"))
        with Editor() as ed:
            self.open_file(ed, "doc.txt")
            wait_until(lambda: ed.edit_box()["text"] == "第一行\r\n", what="the opened text")
            ed.click(300, 200)
            ed.key("ctrl+End")
            ed.type("typed here")
            wait_until(lambda: ed.edit_box()["modified"], what="the typing")
            ed.choose("文件", "保存")
            expected = gbk("第一行\r\ntyped here")
            # While the new file takes the old one's place the name may be missing for a moment.
            wait_until(lambda: self.read_if_there("doc.txt") == expected, what="the saved bytes")
            box = wait_until(lambda: (lambda b: b if not b["modified"] else None)(ed.edit_box()),
                             what="the text read back")
            self.assertEqual(box["text"], "第一行\r\ntyped here")
            self.assertEqual(box["selStart"], len("第一行\r\ntyped here"))
            self.assertEqual(sorted(os.listdir(self.dir)), ["doc.txt"])

    def test_exit_and_alt_f4_ask_first_and_cancel_keeps_the_window(self):
        with Editor() as ed:
            ed.type("unsaved work")
            ed.choose("文件", "退出")
            box, text = message_box("询问")
            self.assertIn("文件已经被修改，是否保存？", text)
            click_button("询问", "取消")
            wait_closed("询问")
            time.sleep(1)
            self.assertIsNone(ed.proc.poll())
            self.assertEqual(ed.edit_box()["text"], "unsaved work")

            # The same prompt guards Alt+F4; No lets the program end. (Without a
            # window manager nothing activates the window again after the box:
            # a click does, as the user's would.)
            ed.click(300, 200)
            ed.key("alt+F4")
            box, text = message_box("询问")
            self.assertIn("文件已经被修改，是否保存？", text)
            focus_x_window("询问")
            xdotool("key", "n")
            self.assertEqual(ed.wait_exit(), 0)
        self.assertEqual(os.listdir(self.dir), [])

    def test_the_font_dialog_hands_back_face_and_size(self):
        with Editor() as ed:
            ed.choose("编辑", "字体")
            texts = [c["text"] for c in children("字体")]
            first = [c["text"] for c in children("字体") if c["class"] == "Edit"]
            self.assertIn("删除线(&K)", texts)  # the effects part
            self.assertIn("下划线(&U)", texts)
            focus_x_window("字体")
            xdotool("key", "Escape")
            wait_closed("字体")

            # Another face and size, picked from the dialog's lists.
            ed.choose("编辑", "字体")
            focus_x_window("字体")
            xdotool("key", "--clearmodifiers", "alt+f", "Down")
            xdotool("key", "--clearmodifiers", "alt+s", "Down", "Down", "Down")
            time.sleep(0.5)
            chosen = [c["text"] for c in children("字体") if c["class"] == "Edit"]
            xdotool("key", "Return")
            wait_closed("字体")
            # The next dialog starts from that choice.
            ed.choose("编辑", "字体")
            edits = [c["text"] for c in children("字体") if c["class"] == "Edit"]
            self.assertEqual(edits[0], chosen[0])
            self.assertEqual(edits[2], chosen[2])
            self.assertNotEqual(chosen[2], first[2])
            focus_x_window("字体")
            xdotool("key", "Escape")
            wait_closed("字体")
            self.assertIsNone(ed.proc.poll())


if __name__ == "__main__":
    unittest.main()
