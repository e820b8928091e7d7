#!/usr/bin/env bash
# Runs the worked examples at the end of `climora-batch --help`, in order,
# in a folder holding the shipped sample station file: each must succeed.
#     check-help-examples.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch" XDG_DATA_HOME="$scratch/data" TMPDIR="$scratch/tmp"
mkdir -p "$TMPDIR" "$scratch/run"
cp "$2/data/samples/FALN_Agrimet_daily_raw_2015.csv" "$scratch/run/"
cd "$scratch/run"
# The command lines of the examples, continuation lines joined.
"$build/bin/climora-batch" --help | sed -n '/^Examples:/,$p' |
    sed -n '/^ *climora-batch /,/[^\\]$/p' | sed -e ':a' -e '/\\$/N; s/\\\n//; ta' > examples
failures=0
count=0
while read -r example; do
    count=$((count + 1))
    eval "\"$build/bin/\"$example" > "out$count" 2> "err$count" ||
        { echo "FAILED (exit $?): $example" >&2; cat "err$count" >&2; failures=$((failures + 1)); }
done < examples
[ "$count" -eq 3 ] || { echo "FAILED: found $count examples, not 3" >&2; failures=$((failures + 1)); }
[ -s FALN.wth ] && [ -s FALN-et.txt ] || { echo "FAILED: an example wrote nothing" >&2; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] && echo "help examples: all $count ran"
exit $((failures > 0))
