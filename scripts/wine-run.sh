#!/usr/bin/env bash
# Runs a Windows program in the test run's prefix and display (see wine-env.sh).
#   wine-run.sh DIR program.exe [args...]
set -euo pipefail
dir=$1
shift
# shellcheck disable=SC1091
source "$dir/env"
exec wine "$@"
