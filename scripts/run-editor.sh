#!/usr/bin/env bash
# Builds everything and starts the editor under Wine in a Chinese locale.
# Without a DISPLAY it runs on a virtual display of its own, saves a
# screenshot of the screen to build/screenshot.png, closes the editor and ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
exe="$root/build/windows/TamsuNotepad.exe"
export WINEPREFIX="$root/build/wine-editor/prefix" WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
mkdir -p "$WINEPREFIX"

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe"
fi

dir="$root/build/wine-editor"
"$root/scripts/wine-env.sh" start "$dir" >/dev/null
trap '"$root/scripts/wine-env.sh" stop "$dir"' EXIT
# shellcheck disable=SC1091
source "$dir/env"
wine "$exe" &
pid=$!
win=""
for _ in $(seq 300); do
  win=$(xdotool search --onlyvisible --class tamsunotepad.exe 2>/dev/null | head -n 1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
if [ -z "$win" ]; then
  echo "The editor's window did not appear" >&2
  exit 1
fi
sleep 1.5  # let the clock line tick once
shot="$root/build/screenshot.png"
import -window root "$shot"
echo "Screenshot of the editor: $shot"
xdotool windowfocus --sync "$win" key --clearmodifiers alt+F4 || true
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid"
code=$?
echo "The editor ended with exit code $code"
