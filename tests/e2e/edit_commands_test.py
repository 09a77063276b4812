"""The Edit commands on the real editor, chosen from its pop-up menus as a user would."""
import os
import tempfile
import time
import unittest

from editor import (Editor, answer_file_dialog, focus_x_window, to_windows_path, wait_closed, wait_until,
                    window_titled, xdotool)


def read_if_there(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


class EditCommands(unittest.TestCase):
    def test_select_all_then_upper_case_then_save_as(self):
        with Editor() as ed, tempfile.TemporaryDirectory() as folder:
            ed.type("hello World 12, mixed")
            ed.choose("编辑", "全选")
            wait_until(lambda: ed.edit_box()["selEnd"] == 21, what="everything selected")
            ed.choose("编辑", "小写转大写")
            box = wait_until(lambda: (b := ed.edit_box())["text"] == "HELLO WORLD 12, MIXED" and b,
                             what="the upper-cased text")
            self.assertEqual((box["selStart"], box["selEnd"]), (21, 21), "caret after the text, nothing selected")
            self.assertTrue(box["modified"])
            ed.type("!")  # the box has the focus again
            wait_until(lambda: ed.edit_box()["text"] == "HELLO WORLD 12, MIXED!", what="typing goes on")

            target = os.path.join(folder, "upper.txt")
            ed.choose("文件", "另存为")
            answer_file_dialog("另存为", to_windows_path(target))
            wait_closed("另存为")
            wait_until(lambda: read_if_there(target) == b"HELLO WORLD 12, MIXED!", what="the saved bytes")
            self.assertEqual(os.listdir(folder), ["upper.txt"])

    def test_find_a_word_then_type_over_it(self):
        with Editor() as ed:
            ed.type("one two three two")
            # 编辑 opened by the right button in the document, as well as by its word button.
            ed.choose("编辑", "查找", in_document=(300, 200))
            dialog = wait_until(lambda: window_titled("查找文本"), what="the Find dialog")
            self.assertTrue(dialog["enabled"])
            self.assertFalse(ed.state()["main"]["enabled"], "the main window waits for the dialog")
            focus_x_window("查找文本")
            xdotool("type", "--delay", 20, "two")
            xdotool("key", "Return")
            wait_closed("查找文本")
            box = wait_until(lambda: (b := ed.edit_box())["selEnd"] == 7 and b, what="the match selected")
            self.assertEqual(box["selStart"], 4)
            ed.type("2")
            wait_until(lambda: ed.edit_box()["text"] == "one 2 three two", what="typing replaces the match")

            # A text that is not there is reported in a box of its own.
            ed.choose("编辑", "查找")
            wait_until(lambda: window_titled("查找文本"), what="the Find dialog again")
            focus_x_window("查找文本")
            xdotool("type", "--delay", 20, "zzz")
            xdotool("key", "Return")
            box_window = wait_until(lambda: window_titled("信息："), what="the not-found message")
            self.assertTrue(box_window["visible"])
            focus_x_window("信息：")
            xdotool("key", "Return")
            wait_closed("信息：")
            time.sleep(0.3)
            self.assertEqual(ed.edit_box()["text"], "one 2 three two")


if __name__ == "__main__":
    unittest.main()
