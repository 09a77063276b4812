"""The real editor's bottom strip: the clock line and the network address line."""
import datetime
import ipaddress
import subprocess
import time
import unittest

from editor import Editor

NUMERALS = "零一二三四五六七八九"


def clock_line(t):
    weekday = (t.weekday() + 1) % 7  # 0 = Sunday
    day_text = "日星期日" if weekday == 0 else "日星期" + NUMERALS[weekday]
    return f"现在时间是：{t.year}年{t.month}月{t.day}{day_text}{t.hour}:{t.minute}"


def label_text(state, x, y):
    """The text of the child standing at (x, y) of the main window's client area."""
    main = state["main"]
    for child in state["children"]:
        if (child["x"] - main["x"], child["y"] - main["y"]) == (x, y):
            return child["text"]
    raise AssertionError(f"no control at {x}, {y}")


def machine_ipv4_addresses():
    """The host's own global IPv4 addresses, as Wine lists them for its host name."""
    out = subprocess.run(["ip", "-4", "-o", "addr", "show", "scope", "global"],
                         capture_output=True, text=True).stdout
    return [line.split()[3].split("/")[0] for line in out.splitlines() if len(line.split()) > 3]


class StatusLines(unittest.TestCase):
    def test_clock_line_follows_the_local_clock_to_the_minute(self):
        with Editor() as ed:
            # Several readings over a few seconds, each matching the clock read
            # around it: a minute that turns meanwhile shows in the next reading.
            readings = []
            end = time.time() + 3.5
            while time.time() < end:
                before = datetime.datetime.now()
                shown = label_text(ed.state(), 16, 462)
                after = datetime.datetime.now()
                # The line is rewritten once a second, so it may be that old.
                allowed = {clock_line(before - datetime.timedelta(seconds=s)) for s in (0, 1.5)}
                allowed.add(clock_line(after))
                self.assertIn(shown, allowed)
                readings.append(shown)
            self.assertGreaterEqual(len(readings), 2)

    def test_address_line_shows_the_first_address_offline(self):
        with Editor() as ed:
            shown = label_text(ed.state(), 256, 462)
            head = "本机外网IP为空，原因是：你未连接上网。本机内网IP是："
            self.assertTrue(shown.startswith(head), shown)
            address = shown[len(head):]
            ipaddress.IPv4Address(address)  # a dotted address, nothing else
            own = machine_ipv4_addresses()
            if own:
                self.assertIn(address, own)
                if len(own) == 1:
                    self.assertEqual(address, own[0])
            else:
                self.assertTrue(ipaddress.IPv4Address(address).is_loopback, address)
            # Written once: it stays as it was.
            time.sleep(1.5)
            self.assertEqual(label_text(ed.state(), 256, 462), shown)


if __name__ == "__main__":
    unittest.main()
