#!/usr/bin/env bash
# A short bounded fuzz run: new inputs go to a work corpus in the build
# folder, the committed seeds are read only. A crash fails the test and leaves
# its input beside the work corpus, to become a regression seed.
#   run-fuzz.sh BINARY WORK_CORPUS SEED_CORPUS SECONDS
set -euo pipefail
bin=$1 work=$2 seeds=$3 seconds=$4
mkdir -p "$work"
cd "$(dirname "$work")"
exec "$bin" -max_total_time="$seconds" -seed=1 -print_final_stats=0 -artifact_prefix="$(dirname "$work")/" \
  "$work" "$seeds"
