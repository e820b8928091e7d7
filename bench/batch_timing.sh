# Shared by the batch benchmarks (sourced, not run): makes the synthetic
# station file and times climora-batch runs on it.
#   usage in a benchmark: . bench/batch_timing.sh; measure LABEL ARGS...
# The caller sets build and days, and may define describe_output, which
# prints a few words about "$work/out.txt".
set -eu
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
    output="output $(wc -c < "$work/out.txt" 2>/dev/null || echo 0) bytes"
    if command -v describe_output >/dev/null; then output=$(describe_output); fi
    echo "$label: exit $status, ${seconds} s wall ($rate rows/s), ${cpu} s CPU ($cpuRate rows per CPU second)," \
        "peak RSS ${rss} kB, $output"
    grep -v -e 'Command being timed' -e '^	' "$work/time.txt" || true # the run's own messages
}
