"""打印 on the real editor, chosen from the 文件 menu: the Print dialog confirmed
with the tests' printer, the document's text comes out on as many pages as it needs."""
import os
import re
import subprocess
import tempfile
import unittest

from editor import EXE, Editor, probe, run, to_windows_path, wait_until, xdotool

TEST_PRINTER = os.path.join(os.path.dirname(EXE), "test_printer.exe")


def print_dialog():
    ids = xdotool("search", "--onlyvisible", "--name", "^打印$").split()
    return ids[0] if ids else None


def finished_job(path):
    try:
        with open(path, "rb") as f:
            return b"%%EOF" in f.read()
    except FileNotFoundError:
        return False


class PrintCommand(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.port = os.path.join(self.dir.name, "printer.ps")
        installed = run(["wine", TEST_PRINTER, "Tamsu E2E Printer", to_windows_path(self.port)], timeout=120)
        self.assertEqual(installed.returncode, 0, installed.stderr)

    def tearDown(self):
        self.dir.cleanup()

    def test_print_puts_the_documents_lines_on_the_pages_in_order(self):
        lines = [f"Line {i:03d} words of the document 中文" for i in range(1, 151)]
        # One paragraph far wider than the page: it wraps between words.
        lines.append(" ".join(f"w{i:03d}" for i in range(1, 301)))
        document = os.path.join(self.dir.name, "document.txt")
        with open(document, "w", encoding="utf-8", newline="") as f:
            f.write("\r\n".join(lines))

        with Editor() as ed:
            # 151 lines are put in at once rather than typed.
            self.assertTrue(probe("settext", to_windows_path(document))["ok"])
            ed.choose("文件", "打印")
            dialog = wait_until(print_dialog, timeout=30, what="the Print dialog")
            self.assertFalse(ed.state()["main"]["enabled"], "the dialog is modal to the main window")
            xdotool("windowfocus", "--sync", dialog)
            xdotool("key", "Return")

            wait_until(lambda: finished_job(self.port), timeout=120, what="the printed file")
            wait_until(lambda: ed.state()["main"]["enabled"], timeout=30, what="the main window back")

        pdf = os.path.join(self.dir.name, "printed.pdf")
        subprocess.run(["ps2pdf", self.port, pdf], check=True, capture_output=True, timeout=120)
        info = subprocess.run(["pdfinfo", pdf], check=True, capture_output=True, text=True).stdout
        pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
        self.assertGreater(pages, 1)

        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], check=True, capture_output=True,
                              text=True).stdout
        printed = re.findall(r"Line (\d{3}) words of the document", text)
        self.assertEqual(printed, [f"{i:03d}" for i in range(1, 151)], "every line once, in order")
        self.assertIn("中文", text)
        words = re.findall(r"\bw(\d{3})\b", text)
        self.assertEqual(words, [f"{i:03d}" for i in range(1, 301)], "no word lost or cut at a wrap")
        wrapped = [line for line in text.splitlines() if re.search(r"\bw\d{3}\b", line)]
        self.assertGreater(len(wrapped), 3)
        # Every page but the last is full.
        per_page = [len([line for line in page.splitlines() if line.strip()])
                    for page in text.split("\f") if page.strip()]
        self.assertEqual(len(per_page), pages)
        self.assertEqual(len(set(per_page[:-1])), 1, per_page)
        self.assertLessEqual(per_page[-1], per_page[0])


if __name__ == "__main__":
    unittest.main()
