"""Start-up to the first shown window: the editor against Wine's own notepad,
both started the same way in the same prefix and display, alternating runs.
Prints the medians and their ratio (goal: the editor faster, ratio < 1)."""
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from editor import ENV, EXE, xdotool  # noqa: E402

RUNS = int(os.environ.get("TAMSU_BENCH_RUNS", "7"))


def time_to_window(args, window_class):
    start = time.perf_counter()
    proc = subprocess.Popen(args, env=ENV, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while time.perf_counter() - start < 60:
            if xdotool("search", "--onlyvisible", "--class", window_class):
                return time.perf_counter() - start
            time.sleep(0.005)
        raise RuntimeError(f"no window for {window_class}")
    finally:
        proc.kill()
        proc.wait()
        time.sleep(0.3)


def main():
    # Warm the prefix and the file cache once for both.
    time_to_window(["wine", EXE], "tamsunotepad.exe")
    time_to_window(["wine", "notepad"], "notepad.exe")
    ours, theirs = [], []
    for _ in range(RUNS):
        ours.append(time_to_window(["wine", EXE], "tamsunotepad.exe"))
        theirs.append(time_to_window(["wine", "notepad"], "notepad.exe"))
    a, b = statistics.median(ours), statistics.median(theirs)
    print(f"startup: editor {a * 1000:.0f} ms, Wine notepad {b * 1000:.0f} ms, ratio {a / b:.2f} "
          f"(median of {RUNS}; goal < 1)")


if __name__ == "__main__":
    main()
