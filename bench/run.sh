#!/bin/sh
# Times task-1 and task-3 runs of climora-batch on a synthetic station file.
#   bench/run.sh [BUILD_DIR] [DAYS]      (defaults: build, 1000000)
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
        "$work/station.txt" >"$work/out.txt" 2>"$work/time.txt" || status=$?
    seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, t, ":"); s = 0;
              for (i = 1; i <= n; i++) s = s * 60 + t[i]; print s }' "$work/time.txt")
    rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
    cpu=$(awk -F': ' '/User time|System time/ { s += $2 } END { print s }' "$work/time.txt")
    rate=$(awk -v d="$days" -v s="$seconds" 'BEGIN { if (s > 0) printf "%.0f", d / s; else print "inf" }')
    cpuRate=$(awk -v d="$days" -v s="$cpu" 'BEGIN { if (s > 0) printf "%.0f", d / s; else print "inf" }')
    echo "$label: exit $status, ${seconds} s wall ($rate rows/s), ${cpu} s CPU ($cpuRate rows per CPU second)," \
        "peak RSS ${rss} kB, output $(wc -c < "$work/out.txt") bytes"
    grep -v -e 'Command being timed' -e '^	' "$work/time.txt" || true # the run's own messages
}

measure "task 1" --task 1 --site 40,100,300
measure "task 3" --task 3
