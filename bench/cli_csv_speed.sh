#!/bin/bash
# Speed of kalvest-cli on its largest common job: all twelve lines of every
# year from 1 through 3000 as CSV (36,000 rows), to be done in at most
# 0.3 s of wall-clock time, process start included. Prints every run and
# the best, and fails when the best run is over the limit.
#
#   cli_csv_speed.sh KALVEST_CLI [RUNS] [LIMIT_SECONDS]
set -euo pipefail

cli=$1
runs=${2:-10}
limit=${3:-0.3}

rows=$("$cli" 1..3000 --csv | wc -l)
if [[ $rows -ne 36001 ]]; then
    echo "expected 36001 lines (header and 36,000 rows), got $rows" >&2
    exit 1
fi

best=
for ((run = 1; run <= runs; run++)); do
    start=$EPOCHREALTIME
    "$cli" 1..3000 --csv > /dev/null
    end=$EPOCHREALTIME
    seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
    echo "run $run: $seconds s"
    if [[ -z $best ]] || awk -v s="$seconds" -v b="$best" 'BEGIN { exit !(s < b) }'; then
        best=$seconds
    fi
done

echo "kalvest-cli 1..3000 --csv: best of $runs runs $best s (limit $limit s)"
awk -v b="$best" -v l="$limit" 'BEGIN { exit !(b <= l) }'
