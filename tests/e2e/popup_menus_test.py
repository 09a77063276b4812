"""The pop-up menus as a user meets them: the three word buttons open their
menus beside the pointer, a right-button press in the document opens 编辑 at
the pointer, and Esc closes a menu without running anything."""
import time
import unittest

from editor import (MENU_ITEM_HEIGHT, MENU_SEPARATOR_HEIGHT, Editor, move_pointer, open_menus, pointer,
                    wait_until, xdotool)


def item_height(items, separators):
    return items * MENU_ITEM_HEIGHT + separators * MENU_SEPARATOR_HEIGHT


class PopupMenus(unittest.TestCase):
    def close_menu(self, ed):
        ed.key("Escape")
        wait_until(lambda: not open_menus(), timeout=10, what="the menu to close")

    def test_word_buttons_open_their_menus_beside_the_pointer(self):
        with Editor() as ed:
            ed.type("abc")
            border = None
            # button centre, offset to the left, items, separators
            for name, x, left, items, separators in (("文件", 40, 35, 6, 0), ("编辑", 80, 30, 10, 3),
                                                     ("功能", 120, 45, 9, 2)):
                ed.click(x, 12)
                menu = wait_until(open_menus, timeout=10, what=f"the {name} menu")[0]
                px, py = pointer()
                self.assertEqual((menu["x"], menu["y"]), (px - left, py + 10), name)
                # Its height tells how many items and separators it holds.
                frame = menu["h"] - item_height(items, separators)
                border = frame if border is None else border
                self.assertEqual(frame, border, name)
                self.assertTrue(0 <= border <= 10, (name, menu["h"]))
                self.close_menu(ed)
            state = ed.state()
            self.assertEqual(ed.edit_box(state)["text"], "abc", "Esc ran nothing")
            self.assertTrue(state["main"]["visible"])

    def test_right_button_in_the_document_opens_edit_at_the_pointer(self):
        with Editor() as ed:
            ed.move(300, 200)
            xdotool("mousedown", 3)
            menu = wait_until(open_menus, timeout=10, what="the 编辑 menu")[0]
            self.assertEqual((menu["x"], menu["y"]), pointer())
            xdotool("mouseup", 3)
            time.sleep(0.3)
            self.assertEqual(len(open_menus()), 1, "releasing on the corner chooses nothing")
            self.assertEqual(open_menus()[0]["h"] - item_height(10, 3), menu["h"] - item_height(10, 3))
            self.close_menu(ed)
            time.sleep(0.3)
            self.assertEqual(open_menus(), [], "the box's own context menu never shows")

    def test_near_the_screens_left_edge_the_menu_stays_on_the_screen(self):
        with Editor() as ed:
            # Drag the window by its strip until 功能 is 10 pixels from the
            # screen's edge: its menu would start 35 pixels beyond it.
            gy = ed.geometry()[1]
            ed.press(150, 12)
            move_pointer(50, gy + 12)
            xdotool("mouseup", 1)
            wait_until(lambda: ed.geometry()[0] == -100, timeout=10, what="the window moved left")
            ed.click(110, 12)
            self.assertEqual(pointer()[0], 10)
            menu = wait_until(open_menus, timeout=10, what="the 功能 menu")[0]
            self.assertTrue(0 <= menu["x"] <= 10, menu["x"])
            self.assertEqual(menu["y"], pointer()[1] + 10)
            self.close_menu(ed)

if __name__ == "__main__":
    unittest.main()
