#!/bin/sh
# Times climora-batch over a network of station files: FILES synthetic
# stations of YEARS years each, one call with --output-dir, -j 1 against
# -j 2 (or the job counts given in JOBS), in files per second.
#   bench/station_network.sh [BUILD_DIR] [FILES] [YEARS] [JOBS]
#       (defaults: build, 1000, 10, "1 2")
# The machine's load is printed first and last: the figures are only
# comparable on an otherwise quiet machine.
set -eu
build=${1:-build}
files=${2:-1000}
years=${3:-10}
jobs=${4:-1 2}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
columns='Year,DOY,Solar:Langley,T-max:oF,T-min:oF,Precip:inch,RelHum,WndSpd:mile/hr'

"$build/bin/make_station" "$work/station.txt" $((years * 365 + years / 4))
mkdir "$work/stations"
i=1
while [ "$i" -le "$files" ]; do
    cp "$work/station.txt" "$work/stations/station$i.txt"
    i=$((i + 1))
done
echo "input: $files files of $years years, $(wc -c < "$work/station.txt") bytes each;" \
    "$(nproc) cores"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for j in $jobs; do
    rm -rf "$work/out"
    start=$(date +%s.%N)
    status=0
    "$build/bin/climora-batch" --rows 3 --columns "$columns" --no-notes --output-dir "$work/out" \
        -j "$j" "$work"/stations/*.txt 2> "$work/summary.txt" || status=$?
    end=$(date +%s.%N)
    written=$(find "$work/out" -name '*.wth' | wc -l)
    awk -v j="$j" -v s="$start" -v e="$end" -v n="$files" -v w="$written" -v x="$status" \
        'BEGIN { t = e - s; printf "-j %s: exit %s, %d of %d files written in %.2f s, %.1f files/s\n", j, x, w, n, t, n / t }'
    tail -n 1 "$work/summary.txt"
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
