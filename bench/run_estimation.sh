#!/bin/sh
# Times a task-7 run of climora-batch (Penman-Monteith, in both assembly
# modes) on the synthetic million-day station file, and checks that no
# number of the result is "nan" or "inf".
#   bench/run_estimation.sh [BUILD_DIR] [DAYS]      (defaults: build, 1000000)
set -eu
build=${1:-build}
days=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bin/make_station" "$work/station.txt" "$days"
echo "input: $days days, $(wc -c < "$work/station.txt") bytes"
columns='Year,DOY,Solar:Langley,T-max:oF,T-min:oF,Precip:inch,RelHum,WndSpd:mile/hr'

measure() {
    label=$1
    shift
    status=0
    /usr/bin/time -v "$build/bin/climora-batch" --rows 3 --columns "$columns" "$@" \
        -o "$work/out.txt" "$work/station.txt" 2>"$work/time.txt" || status=$?
    seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0;
              for (i = 1; i <= n; i++) s = s * 60 + t[i]; print s }' "$work/time.txt")
    rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
    cpu=$(awk -F': ' '/User time|System time/ { s += $2 } END { print s }' "$work/time.txt")
    rate=$(awk -v d="$days" -v s="$seconds" 'BEGIN { if (s > 0) printf "%.0f", d / s; else print "inf" }')
    cpuRate=$(awk -v d="$days" -v s="$cpu" 'BEGIN { if (s > 0) printf "%.0f", d / s; else print "inf" }')
    lines=$(wc -l < "$work/out.txt")
    bad=$(grep -c -i -e nan -e inf "$work/out.txt" || true)
    echo "$label: exit $status, ${seconds} s wall ($rate rows/s), ${cpu} s CPU ($cpuRate rows per CPU second)," \
        "peak RSS ${rss} kB, $lines lines, $bad lines with nan/inf"
    grep -v -e 'Command being timed' -e '^	' "$work/time.txt" || true # the run's own messages
}

measure "task 7, converted" --task 7 --latitude 40.8 --elevation 300
measure "task 7, appended column" --task 7 --latitude 40.8 --elevation 300 --no-convert
