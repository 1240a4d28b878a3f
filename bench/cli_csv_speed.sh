#!/bin/bash
# Speed of kalvest-cli on its largest common job: all twelve lines of every
# year from 1 through 3000 as CSV (36,000 rows), to be done in at most
# 0.3 s, process start included. The limit holds the processor time the
# program takes (user and system), which on an idle machine is its
# wall-clock time, as the program runs on one thread; on a machine that
# others share, waiting for a core would count in the wall-clock time but
# is no slowness of the program. Prints both for every run and the best,
# and fails when the best run is over the limit.
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
TIMEFORMAT='%3U %3S'
for ((run = 1; run <= runs; run++)); do
    start=$EPOCHREALTIME
    used=$( { time "$cli" 1..3000 --csv >/dev/null 2>/dev/null; } 2>&1 )
    end=$EPOCHREALTIME
    seconds=$(awk -v u="${used% *}" -v s="${used#* }" 'BEGIN { printf "%.3f", u + s }')
    wall=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
    echo "run $run: $seconds s of processor time ($wall s wall-clock)"
    if [[ -z $best ]] || awk -v s="$seconds" -v b="$best" 'BEGIN { exit !(s < b) }'; then
        best=$seconds
    fi
done

echo "kalvest-cli 1..3000 --csv: best of $runs runs $best s of processor time (limit $limit s)"
awk -v b="$best" -v l="$limit" 'BEGIN { exit !(b <= l) }'
