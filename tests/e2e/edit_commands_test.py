"""The Edit commands on the real editor, driven as a user would.

The commands are chosen by posting their menu command (probe.exe command N,
N the entry's index in the layout's menu), as the pop-up menu does when an
item is clicked.
"""
import time
import unittest

from editor import Editor, probe, top_windows, wait_until, xdotool

SELECT_ALL = 8
TO_UPPER_CASE = 14
FIND = 18


def choose(entry):
    assert probe("command", str(entry))["ok"]


def window_titled(title):
    for w in top_windows():
        if w["text"] == title:
            return w
    return None


def focus_x_window(title):
    """Focuses the X window of a top-level Windows window (dialog or message box) by its title."""
    wid = wait_until(lambda: xdotool("search", "--onlyvisible", "--name", f"^{title}$").split(),
                     what=f"the X window of {title}")[0]
    xdotool("windowfocus", "--sync", wid)


class EditCommands(unittest.TestCase):
    def test_select_all_then_upper_case(self):
        with Editor() as ed:
            ed.type("hello World 12, mixed")
            choose(SELECT_ALL)
            wait_until(lambda: ed.edit_box()["selEnd"] == 21, what="everything selected")
            choose(TO_UPPER_CASE)
            box = wait_until(lambda: (b := ed.edit_box())["text"] == "HELLO WORLD 12, MIXED" and b,
                             what="the upper-cased text")
            self.assertEqual((box["selStart"], box["selEnd"]), (21, 21), "caret after the text, nothing selected")
            self.assertTrue(box["modified"])
            ed.type("!")  # the box has the focus again
            wait_until(lambda: ed.edit_box()["text"] == "HELLO WORLD 12, MIXED!", what="typing goes on")

    def test_find_a_word_then_type_over_it(self):
        with Editor() as ed:
            ed.type("one two three two")
            choose(FIND)
            dialog = wait_until(lambda: window_titled("查找文本"), what="the Find dialog")
            self.assertTrue(dialog["enabled"])
            self.assertFalse(ed.state()["main"]["enabled"], "the main window waits for the dialog")
            focus_x_window("查找文本")
            xdotool("type", "--delay", 20, "two")
            xdotool("key", "Return")
            wait_until(lambda: window_titled("查找文本") is None, what="the dialog to close")
            box = wait_until(lambda: (b := ed.edit_box())["selEnd"] == 7 and b, what="the match selected")
            self.assertEqual(box["selStart"], 4)
            ed.type("2")
            wait_until(lambda: ed.edit_box()["text"] == "one 2 three two", what="typing replaces the match")

            # A text that is not there is reported in a box of its own.
            choose(FIND)
            wait_until(lambda: window_titled("查找文本"), what="the Find dialog again")
            focus_x_window("查找文本")
            xdotool("type", "--delay", 20, "zzz")
            xdotool("key", "Return")
            box_window = wait_until(lambda: window_titled("信息："), what="the not-found message")
            self.assertTrue(box_window["visible"])
            focus_x_window("信息：")
            xdotool("key", "Return")
            wait_until(lambda: window_titled("信息：") is None, what="the message to close")
            time.sleep(0.3)
            self.assertEqual(ed.edit_box()["text"], "one 2 three two")


if __name__ == "__main__":
    unittest.main()
