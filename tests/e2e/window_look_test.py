"""The real window as a user sees it: its strips, box, buttons and pictures,
the hot close button, folding and unfolding, and the icon it hands the desktop."""
import os
import tempfile
import unittest

from editor import Editor, pixels, run, wait_until

DARKEST_RED = (248, 12, 34)
BOX = (205, 222, 222)
BUTTON_FACE = (236, 233, 216)


def close_to(colour, want, tolerance=10):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, want))


def dark_grey(c):
    return max(c) < 120 and max(c) - min(c) < 20


def red_orange(c):
    return c[0] > 190 and 40 < c[1] < 150 and c[2] < 100


class WindowLook(unittest.TestCase):
    def setUp(self):
        self.shots = tempfile.mkdtemp(prefix="tamsu-look-")

    def shot(self, ed, name):
        return ed.screenshot(os.path.join(self.shots, name + ".png"))

    def at(self, ed, png, x, y):
        """The colour at a point of the window's client area."""
        gx, gy, _, _ = ed.geometry()
        return pixels(png, gx + x, gy + y, 1, 1)[0]

    def test_strips_box_buttons_pictures_hot_close_fold_and_unfold(self):
        with Editor() as ed:
            gx, gy, _, _ = ed.geometry()

            def painted():
                png = self.shot(ed, "start")
                return png if self.at(ed, png, 330, 240) == BOX and self.at(ed, png, 640, 8) != (0, 0, 0) else None

            png = wait_until(painted, timeout=10, what="the window painted")
            # Red strips at the top and, the background tiled, at the bottom.
            self.assertTrue(close_to(self.at(ed, png, 355, 15), DARKEST_RED), self.at(ed, png, 355, 15))
            self.assertTrue(close_to(self.at(ed, png, 252, 475), DARKEST_RED), self.at(ed, png, 252, 475))
            self.assertTrue(close_to(self.at(ed, png, 600, 475), DARKEST_RED), "under the transparent label")
            self.assertEqual(self.at(ed, png, 330, 240), BOX)
            self.assertEqual(self.at(ed, png, 3, 300), BOX)
            # The three word buttons: light face, a dark word in the middle.
            for left in (24, 64, 104):
                self.assertEqual(self.at(ed, png, left + 2, 12), BUTTON_FACE, left)
                word = pixels(png, gx + left + 4, gy + 5, 25, 14)
                self.assertGreater(sum(1 for c in word if max(c) < 90), 15, left)
            # Title-strip pictures: blue fold triangle, dark grey caption buttons.
            fold = self.at(ed, png, 543, 8)
            self.assertTrue(fold[2] > 150 and fold[0] < 110, fold)
            for x in (566, 596, 622):
                self.assertTrue(dark_grey(self.at(ed, png, x, 3)), (x, self.at(ed, png, x, 3)))
            # The small butterfly: pale blue around lilac.
            self.assertGreater(self.at(ed, png, 5, 4)[2], 200)

            # The pointer over 关闭 shows its red-orange hot picture, and leaving ends it.
            ed.move(640, 8)
            wait_until(lambda: red_orange(self.at(ed, self.shot(ed, "hot"), 622, 3)), timeout=10,
                       what="the hot close button")
            ed.move(330, 240)
            wait_until(lambda: dark_grey(self.at(ed, self.shot(ed, "cold"), 622, 3)), timeout=10,
                       what="the close button back to normal")

            # Fold to the strip, then unfold two pixels taller than at start.
            ed.click(544, 8)
            wait_until(lambda: ed.geometry()[3] == 25, timeout=10, what="the folded height")
            png = self.shot(ed, "folded")
            self.assertEqual(ed.geometry()[:3], (gx, gy, 660))
            unfold = self.at(ed, png, 543, 9)
            self.assertTrue(unfold[2] > 150 and unfold[0] < 110, unfold)
            self.assertNotEqual(self.at(ed, png, 330, 240), BOX, "the box is cut off")
            ed.click(544, 8)
            wait_until(lambda: ed.geometry()[3] == 485, timeout=10, what="the unfolded height")
            png = self.shot(ed, "unfolded")
            self.assertEqual(self.at(ed, png, 330, 240), BOX)
            self.assertTrue(close_to(self.at(ed, png, 252, 477), DARKEST_RED, 40), self.at(ed, png, 252, 477))
            self.assertTrue(close_to(self.at(ed, png, 355, 15), DARKEST_RED))

    def test_the_desktop_gets_the_butterfly_and_an_empty_title(self):
        with Editor() as ed:
            self.assertEqual(ed.state()["main"]["text"], "")
            out = run(["xprop", "-id", ed.window, "-notype", "-f", "_NET_WM_ICON", "32c", " = $0+\n",
                       "_NET_WM_ICON", "_NET_WM_NAME"]).stdout
            icon_line = next(line for line in out.splitlines() if line.startswith("_NET_WM_ICON"))
            values = [int(v) for v in icon_line.split("=", 1)[1].split(",")]
            width, height = values[0], values[1]
            self.assertGreaterEqual(width, 16)
            argb = values[2:2 + width * height]
            rgb = [((v >> 16) & 255, (v >> 8) & 255, v & 255) for v in argb]
            corner = rgb[0]
            self.assertTrue(corner[2] > 220 and corner[2] > corner[0], corner)
            lilac = sum(1 for r, g, b in rgb if r > 150 and b > 190 and g < r - 20)
            self.assertGreater(lilac, width * height // 10)
            self.assertNotIn("Tamsu", out.split("_NET_WM_NAME", 1)[-1])


if __name__ == "__main__":
    unittest.main()
