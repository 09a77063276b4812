#!/usr/bin/env bash
# Builds everything, runs every benchmark under Wine on a virtual display of
# its own and prints one table of ratios, each against a baseline measured in
# the same run (these machines are noisy, absolute times say little).
# Every benchmark prints its details into build/bench/<name>.log and one line
#   RESULT|what|ratio|goal|baseline
# per figure, which this script collects. Goals: "<= x", "< x", or "-" (none set).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" >/dev/null
dir="$root/build/wine-bench"
logs="$root/build/bench"
mkdir -p "$logs"
rm -f "$logs"/*.log
"$root/scripts/wine-env.sh" start "$dir" >/dev/null
trap '"$root/scripts/wine-env.sh" stop "$dir"' EXIT

load() { cut -d' ' -f1-3 /proc/loadavg; }
started=$(date +%s)
load_before=$(load)
run() {  # run NAME COMMAND...: its output to the log, a line of progress to stderr
  local name=$1
  shift
  echo "running $name ..." >&2
  "$@" >"$logs/$name.log" 2>&1 || echo "  $name failed (exit $?), see $logs/$name.log" >&2
}
for exe in "$root"/build/windows/bench_*.exe; do
  [ -e "$exe" ] || continue
  run "$(basename "$exe" .exe)" "$root/scripts/wine-run.sh" "$dir" "$exe"
done
for script in "$root"/bench/*_bench.py; do
  [ -e "$script" ] || continue
  run "$(basename "$script" .py)" env TAMSU_EXE="$root/build/windows/TamsuNotepad.exe" TAMSU_WINE_DIR="$dir" \
    python3 "$script"
done

echo
echo "Tamsu记事本 benchmarks, $(date '+%Y-%m-%d %H:%M'), $(nproc) cores," \
  "load average $load_before at the start, $(load) at the end, $(($(date +%s) - started)) s"
echo
# The table in a fixed order: Open, keystroke, Find, start-up, memory, then any other.
ordered=()
for name in bench_open bench_keystroke bench_find startup_bench memory_bench; do
  [ -e "$logs/$name.log" ] && ordered+=("$logs/$name.log")
done
for log in "$logs"/*.log; do
  case " ${ordered[*]} " in *" $log "*) ;; *) ordered+=("$log") ;; esac
done
cat "${ordered[@]}" | grep '^RESULT|' | awk -F'|' '
  function met(ratio, goal,   op, value) {
    if (goal == "-" || goal == "") return "-"
    split(goal, part, " ")
    op = part[1]; value = part[2] + 0
    if (op == "<=") return ratio <= value ? "yes" : "NO"
    if (op == "<") return ratio < value ? "yes" : "NO"
    return "?"
  }
  BEGIN { printf "%-52s %8s %8s %4s  %s\n", "Measured", "Ratio", "Goal", "Met", "Against" }
  { printf "%-52s %8.2f %8s %4s  %s\n", $2, $3, $4, met($3 + 0, $4), $5 }'
echo
echo "Details: $logs/*.log"
