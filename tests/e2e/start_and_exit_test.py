"""The real editor starts centred and borderless, takes typing, and exits with 0."""
import unittest

from editor import Editor, xdotool


class StartAndExit(unittest.TestCase):
    def test_window_typing_and_exit_code(self):
        with Editor() as ed:
            screen_w, screen_h = map(int, xdotool("getdisplaygeometry").split())
            x, y, w, h = ed.geometry()
            self.assertEqual((w, h), (660, 483))
            self.assertEqual((x, y), ((screen_w - 660) // 2, (screen_h - 483) // 2))

            state = ed.state()
            main = state["main"]
            self.assertEqual(main["text"], "")
            self.assertEqual(main["style"] & 0x00C00000, 0, "no caption")
            self.assertEqual(main["style"] & 0x00840000, 0, "no border or frame")
            self.assertFalse(state["iconic"])
            self.assertEqual(state["focus"], ed.edit_box(state)["hwnd"])

            ed.type("Hello Tamsu")
            ed.key("Return")
            ed.type("line2")
            box = ed.edit_box()
            self.assertEqual(box["text"], "Hello Tamsu\r\nline2")
            self.assertTrue(box["modified"])

    def test_closing_an_unmodified_document_exits_with_0(self):
        with Editor() as ed:
            ed.key("alt+F4")
            self.assertEqual(ed.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
