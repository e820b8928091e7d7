#!/bin/sh
# Times a task-7 run of climora-batch (Penman-Monteith, in both assembly
# modes) on the synthetic million-day station file, and checks that no
# number of the result is "nan" or "inf".
#   bench/run_estimation.sh [BUILD_DIR] [DAYS]      (defaults: build, 1000000)
build=${1:-build}
days=${2:-1000000}

describe_output() {
    echo "$(wc -l < "$work/out.txt") lines, $(grep -c -i -e nan -e inf "$work/out.txt" || true) lines with nan/inf"
}

. "$(dirname "$0")/batch_timing.sh"

measure "task 7, converted" --task 7 --latitude 40.8 --elevation 300
measure "task 7, appended column" --task 7 --latitude 40.8 --elevation 300 --no-convert
