#!/usr/bin/env bash
# The recipes of docs/station-networks.md on two station files: GNU parallel
# with the local host as its only "remote" (-S :), and the Slurm array
# script run as array tasks 0 and 1. Each output must equal the one a single
# climora-batch run writes.
#     check-station-network.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
batch="$1/bin/climora-batch"
source_dir="$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" TMPDIR="$scratch/tmp"
mkdir -p "$HOME" "$TMPDIR" "$scratch/stations"
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}
options=(--rows 1 --columns Year,Month,Day,T-min:oF,T-max:oF,Solar:Langley)
sample="$source_dir/data/samples/FALN_Agrimet_daily_raw_2015.csv"
cp "$sample" "$scratch/stations/fallon.csv"
head -n 100 "$sample" > "$scratch/stations/fallon-spring.csv"
cd "$scratch"
for station in fallon fallon-spring; do
    "$batch" "${options[@]}" -o "expected-$station.wth" "stations/$station.csv" 2>/dev/null ||
        fail "the single run of $station"
done

mkdir -p parallel
parallel --will-cite -S : "$batch" "${options[@]}" -o parallel/{/.}.wth {} \
    ::: stations/*.csv 2> parallel.err || fail "GNU parallel: $(cat parallel.err)"
ls stations/*.csv > stations.list
for task in 0 1; do
    SLURM_ARRAY_TASK_ID=$task CLIMORA_BATCH="$batch" \
        bash "$source_dir/scripts/slurm-array.sh" stations.list slurm "${options[@]}" \
        2>> slurm.err || fail "Slurm array task $task: $(cat slurm.err)"
done

for station in fallon fallon-spring; do
    for recipe in parallel slurm; do
        cmp -s "expected-$station.wth" "$recipe/$station.wth" || fail "$recipe: $station.wth differs"
    done
done
[ "$(ls parallel | wc -l)" -eq 2 ] || fail "GNU parallel wrote $(ls parallel)"
[ -z "$(ls -A "$TMPDIR")" ] || fail "private work folders left in TMPDIR"
[ "$failures" -eq 0 ] && echo "station-network recipes: all checks passed"
exit $((failures > 0))
