#!/bin/bash
# Compares kalvest-cli.exe under Wine with the Linux kalvest-cli over every
# year from -3000 through 3000: the text lines must be the same (Windows's
# C runtime ends each line with CR LF, which is taken away first), and in
# the CSV every field the same except the floating-point columns, which may
# differ in their last digits where the two C runtimes' mathematical
# functions round differently (bound: see csv_close.py).
# Usage: compare-cli.sh WINE KALVEST_CLI_EXE LINUX_KALVEST_CLI WORK_DIR
set -euo pipefail
wine=$1
exe=$2
linux=$3
work=$4
if [[ ! -x $linux ]]; then
    echo "SKIPPED kalvest-cli comparison: no Linux kalvest-cli at $linux"
    exit 0
fi
mkdir -p "$work"
years=-3000..3000
for format in text csv; do
    "$linux" --format "$format" -- "$years" >"$work/linux.$format"
    (cd "$(dirname "$exe")" && "$wine" "$exe" --format "$format" -- "$years") |
        tr -d '\r' >"$work/windows.$format"
done
if ! cmp -s "$work/linux.text" "$work/windows.text"; then
    echo "kalvest-cli.exe prints other text lines than the Linux kalvest-cli:"
    diff "$work/linux.text" "$work/windows.text" >"$work/text.diff" || true
    head -20 "$work/text.diff"
    exit 1
fi
python3 "$(dirname "$0")/csv_close.py" "$work/linux.csv" "$work/windows.csv" || exit 1
echo "kalvest-cli.exe: $(wc -l <"$work/linux.text") text lines the same as on Linux, CSV within bounds"
