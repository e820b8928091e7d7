#!/usr/bin/env bash
# One station file per Slurm array task: the files share nothing, so the
# tasks need no coordination. LIST holds one INPUT path per line; the output
# goes to OUTDIR/BASE.wth. Options after OUTDIR go to climora-batch as typed.
#
#   ls stations/*.csv > stations.list
#   sbatch --array=0-$(($(wc -l < stations.list) - 1))%100 scripts/slurm-array.sh \
#       stations.list out --rows 1 --columns Year,Month,Day,T-min:oF,T-max:oF,Solar:Langley
#
# Each task's messages land in Slurm's output file (slurm-JOB_TASK.out); the
# task's exit status is climora-batch's (0 done, 1 stopped, 2 failed).
#SBATCH --job-name=climora-batch
#SBATCH --ntasks=1
#SBATCH --cpus-per-task=1
#SBATCH --time=00:10:00
set -euo pipefail
if [ $# -lt 2 ] || [ -z "${SLURM_ARRAY_TASK_ID:-}" ]; then
    echo "usage: sbatch --array=0-N slurm-array.sh LIST OUTDIR [climora-batch options]" >&2
    exit 2
fi
list=$1
outdir=$2
shift 2
input=$(sed -n "$((SLURM_ARRAY_TASK_ID + 1))p" "$list")
if [ -z "$input" ]; then
    echo "error: $list has no line $((SLURM_ARRAY_TASK_ID + 1))" >&2
    exit 2
fi
mkdir -p "$outdir"
base=$(basename "$input")
exec "${CLIMORA_BATCH:-climora-batch}" "$@" -o "$outdir/${base%.*}.wth" -- "$input"
