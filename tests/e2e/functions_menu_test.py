"""The real editor's Functions menu starts real programs."""
import os
import re
import unittest

from editor import Editor, probe, top_windows, wait_until


def menu_entry(text):
    """The index of a menu item in the window layout's menu list; its command is 20000 + index."""
    source = os.path.join(os.environ["TAMSU_SOURCE_DIR"], "src", "ui", "window_layout.cpp")
    with open(source, encoding="utf-8") as f:
        block = f.read().split("l.menu = {", 1)[1].split("};", 1)[0]
    return re.findall(r'^\s*\{"([^"]*)"', block, re.M).index(text)


def processes():
    return probe("processes")["processes"]


class FunctionsMenu(unittest.TestCase):
    def test_open_cmd_starts_a_command_prompt(self):
        with Editor() as ed:
            main = ed.state()["main"]["hwnd"]
            editor_pid = next(w["pid"] for w in top_windows() if w["hwnd"] == main)
            before = {p["pid"] for p in processes()}

            self.assertTrue(probe("command", str(menu_entry("打开CMD")))["ok"])

            def started_cmd():
                return [p for p in processes() if p["pid"] not in before
                        and p["exe"].lower() == "cmd.exe" and p["parent"] == editor_pid]
            started = wait_until(started_cmd, timeout=20, what="a command prompt started by the editor")
            self.assertEqual(len(started), 1)
            cmd_pid = started[0]["pid"]
            try:
                # The prompt's console window is shown (its console host may own it).
                def console_window():
                    owners = {cmd_pid} | {p["pid"] for p in processes() if p["parent"] == cmd_pid}
                    return [w for w in top_windows() if w["pid"] in owners and w["w"] > 0]
                wait_until(console_window, timeout=20, what="the command prompt's window")
                # Both keep running: the prompt waits for input, the editor goes on.
                self.assertIn(cmd_pid, {p["pid"] for p in processes()})
                self.assertIsNone(ed.proc.poll())
                self.assertTrue(ed.state()["found"])
            finally:
                self.assertTrue(probe("kill", str(cmd_pid))["ok"])
            self.assertNotIn(cmd_pid, {p["pid"] for p in processes()})


if __name__ == "__main__":
    unittest.main()
