"""The real editor's 功能 menu, opened by its word button, starts real programs."""
import unittest

from editor import Editor, probe, top_windows, wait_until


def processes():
    return probe("processes")["processes"]


class FunctionsMenu(unittest.TestCase):
    def test_open_cmd_starts_a_command_prompt(self):
        with Editor() as ed:
            main = ed.state()["main"]["hwnd"]
            editor_pid = next(w["pid"] for w in top_windows() if w["hwnd"] == main)
            before = {p["pid"] for p in processes()}

            ed.choose("功能", "打开CMD")

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
