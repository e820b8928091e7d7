#!/bin/sh
# Times task-1 and task-3 runs of climora-batch on a synthetic station file.
#   bench/run.sh [BUILD_DIR] [DAYS]      (defaults: build, 1000000)
build=${1:-build}
days=${2:-1000000}
. "$(dirname "$0")/batch_timing.sh"

measure "task 1" --task 1 --site 40,100,300
measure "task 3" --task 3
