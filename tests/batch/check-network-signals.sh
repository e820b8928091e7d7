#!/usr/bin/env bash
# What only a whole process shows of a run over many station files: progress
# on standard error when it is a terminal (and not otherwise), and a signal
# to the calling process reaching the runs, which remove their private work
# folders.
#     check-network-signals.sh BUILD_DIR
set -uo pipefail
batch="$1/bin/climora-batch"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export TMPDIR="$scratch/tmp"
mkdir -p "$TMPDIR" "$scratch/run"
cd "$scratch/run"
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}
# Waits up to 60 s for a condition, polling.
wait_for() {
    for _ in $(seq 600); do
        eval "$1" && return 0
        read -r -t 0.1 < /dev/zero 2> /dev/null || true
    done
    return 1
}
options=(--rows 1 --columns Year,DOY,T-max:oC,T-min:oC)
printf 'H\n2005 1 5 3\n' > a.txt
cp a.txt b.txt

script -qec "$(printf '%q ' "$batch" "${options[@]}" --output-dir tty a.txt b.txt)" /dev/null \
    > terminal.txt
grep -q '2/2 files' terminal.txt || fail "no progress on a terminal: $(cat -v terminal.txt)"
"$batch" "${options[@]}" --output-dir plain a.txt b.txt 2> plain.txt
grep -q '/2 files' plain.txt && fail "progress written to a file"

awk 'BEGIN { print "H"; for (i = 0; i < 400000; i++) print 1900 + int(i / 365), i % 365 + 1, 5, 3 }' \
    > big.txt
cp big.txt big2.txt
"$batch" "${options[@]}" --output-dir out -j 2 big.txt big2.txt 2> /dev/null &
caller=$!
# The caller's folder and both runs' folders.
wait_for '[ "$(ls "$TMPDIR" | wc -l)" -ge 3 ]' || fail "the runs did not start"
kill -TERM "$caller"
wait "$caller"
status=$?
[ "$status" -eq 143 ] || fail "exit status $status after SIGTERM, not 143"
wait_for '[ -z "$(ls -A "$TMPDIR")" ]' || fail "left in TMPDIR: $(ls "$TMPDIR")"
# Ended by the signal, not run to the end.
[ -z "$(ls out)" ] || fail "the runs went on after the signal: $(ls out)"
[ "$failures" -eq 0 ] && echo "station network signals: all checks passed"
exit $((failures > 0))
