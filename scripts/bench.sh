#!/usr/bin/env bash
# Builds everything and runs every benchmark under Wine on a virtual display of
# its own; each prints its figures as ratios against a baseline of the same run.
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
