#!/usr/bin/env bash
# The soak run: builds everything, then drives the real editor under Wine on a
# virtual display of its own for several minutes (see tests/soak/soak.py) and
# prints what it did, the document check and the memory and object figures.
# Not part of the test run. TAMSU_SOAK_CHARS shortens it (default 20000).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >/dev/null
dir="$root/build/wine-soak"
"$root/scripts/wine-env.sh" start "$dir" >/dev/null
trap '"$root/scripts/wine-env.sh" stop "$dir"' EXIT
TAMSU_EXE="$root/build/windows/TamsuNotepad.exe" TAMSU_WINE_DIR="$dir" python3 "$root/tests/soak/soak.py"
