#!/usr/bin/env bash
# Builds everything and runs every benchmark under Wine on a virtual display of
# its own; each prints its figures as ratios against a baseline measured in the
# same run, since these machines are noisy.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >/dev/null
dir="$root/build/wine-bench"
"$root/scripts/wine-env.sh" start "$dir" >/dev/null
trap '"$root/scripts/wine-env.sh" stop "$dir"' EXIT
for exe in "$root"/build/windows/bench_*.exe; do
  [ -e "$exe" ] || continue
  "$root/scripts/wine-run.sh" "$dir" "$exe"
done
for script in "$root"/bench/*_bench.py; do
  [ -e "$script" ] || continue
  TAMSU_EXE="$root/build/windows/TamsuNotepad.exe" TAMSU_WINE_DIR="$dir" python3 "$script"
done
