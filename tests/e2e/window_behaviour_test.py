"""What the borderless window does by itself: it is dragged by its red strip
and its plain labels but not by the clock line or the document, and Tab moves
the focus without typing into the document."""
import time
import unittest

from editor import Editor, move_pointer, wait_until, xdotool


def focused_child(ed):
    state = ed.state()
    for child in state["children"]:
        if child["hwnd"] == state["focus"]:
            return child
    return None


class WindowBehaviour(unittest.TestCase):
    def test_drags_by_the_strip_and_plain_labels_only(self):
        with Editor() as ed:
            # where the press lands: client point, and whether the window follows
            for what, x, y, moves in (("red strip", 150, 12, True), ("credit label 标签2", 250, 12, True),
                                      ("icon label 标签1", 12, 12, True), ("clock line", 100, 472, False),
                                      ("document", 300, 200, False), ("word button", 40, 12, False)):
                gx, gy, _, _ = ed.geometry()
                ed.press(x, y)
                move_pointer(gx + x + 20, gy + y + 10)
                move_pointer(gx + x + 40, gy + y + 30)
                xdotool("mouseup", 1)
                if moves:
                    wait_until(lambda: ed.geometry()[:2] == (gx + 40, gy + 30), timeout=10, what=what)
                else:
                    time.sleep(0.3)
                    self.assertEqual(ed.geometry()[:2], (gx, gy), what)
                xdotool("key", "Escape")  # closes the menu the word button opened

    def test_tab_moves_the_focus_and_keys_type_what_they_should(self):
        with Editor() as ed:
            gx = ed.geometry()[0]
            ed.type("ab")
            box = ed.edit_box()
            # 编辑框1, then the word buttons from left to right, then back.
            for want in (24, 64, 104, None):
                ed.key("Tab")
                child = wait_until(lambda: focused_child(ed), timeout=5, what="a focused control")
                if want is None:
                    self.assertEqual(child["hwnd"], box["hwnd"])
                else:
                    self.assertEqual((child["class"], child["x"] - gx), ("Button", want))
            ed.key("shift+Tab")
            self.assertEqual(focused_child(ed)["x"] - gx, 104)
            ed.key("shift+Tab")
            self.assertEqual(focused_child(ed)["x"] - gx, 64)
            self.assertEqual(ed.edit_box()["text"], "ab", "Tab typed nothing")
            for _ in range(2):
                ed.key("Tab")
            self.assertEqual(focused_child(ed)["hwnd"], box["hwnd"])
            ed.key("Escape")
            ed.key("F1")
            ed.type("c")
            ed.key("Return")
            state = ed.state()
            self.assertEqual(ed.edit_box(state)["text"], "abc\r\n")
            self.assertTrue(state["main"]["visible"])

    def test_the_close_button_ends_the_program_with_0(self):
        with Editor() as ed:
            ed.click(640, 8)
            self.assertEqual(ed.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
