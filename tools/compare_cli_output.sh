#!/bin/bash
# Compares what two builds of kalvest-cli print for the same arguments:
# over ranges of years, fixed and named zones, both calendars, every
# format and the grid, standard output, standard error and exit status
# alike (iCalendar's DTSTAMP, the time the file was made, left aside).
# Meant for a change that adds options: every run without them must stay
# as it was, byte for byte. Prints each difference and a count; fails on
# any.
#
#   compare_cli_output.sh OLD_KALVEST_CLI NEW_KALVEST_CLI
set -uo pipefail

old=$1
new=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

runs=0
differences=0

# One run of both programs with the same arguments.
compare() {
    "$old" "$@" > "$work/old.out" 2> "$work/old.err"
    echo "status $?" >> "$work/old.err"
    "$new" "$@" > "$work/new.out" 2> "$work/new.err"
    echo "status $?" >> "$work/new.err"
    sed -i '/^DTSTAMP:/d' "$work/old.out" "$work/new.out"
    runs=$((runs + 1))
    if ! cmp -s "$work/old.out" "$work/new.out" || ! cmp -s "$work/old.err" "$work/new.err"; then
        differences=$((differences + 1))
        echo "differs: kalvest-cli $*"
        diff "$work/old.out" "$work/new.out" | head -5
        diff "$work/old.err" "$work/new.err" | head -5
    fi
}

export TZ=America/New_York  # for --tz local
zones=("" "--zone GMT+05:30" "--zone GMT-12:00" "--zone GMT+12:00" "--tz Europe/Dublin"
       "--tz Asia/Shanghai" "--tz America/St_Johns" "--tz Australia/Lord_Howe"
       "--tz Asia/Kathmandu" "--tz local")
for years in 1..3000 -3000..-2990 -1..1 1582..1583 1899..1901 2020..2030 2999..3000; do
    for zone in "${zones[@]}"; do
        for format in text csv json ics; do
            # shellcheck disable=SC2086  # the zone is two words
            compare "$years" $zone --format "$format" --weekday
        done
        # shellcheck disable=SC2086
        compare "$years" $zone --calendar julian --events imbolc,june,samhain --method mean
        # shellcheck disable=SC2086
        compare "$years" $zone --grid
        # shellcheck disable=SC2086
        compare "$years" $zone --grid --southern --calendar julian
    done
done
# The whole range of the tool in every format, and the listings beside the
# solar events, each classical and precise, to the minute and the second.
for format in text csv json; do
    compare -3000..3000 --format "$format" --weekday --method both
done
compare 1..3000 --format ics --method both
for listing in --moon --eclipses "--terms --method both"; do
    for extra in "" "--precise" "--seconds" "--precise --seconds"; do
        for format in text csv json ics; do
            # shellcheck disable=SC2086  # the options are words
            compare 1900..2100 $listing $extra --format "$format" --tz Europe/Dublin
        done
    done
done
for extra in "--precise" "--seconds" "--precise --seconds"; do
    # shellcheck disable=SC2086
    compare -3000..3000 $extra --format csv --tz Asia/Kathmandu
    # shellcheck disable=SC2086
    compare 1990..2030 $extra --grid --tz America/St_Johns
done
for args in "2021 --method true --csv" "2021 --events lughnassad --format json" \
            "abc" "3001" "2021 --frobnicate" "2021 --events yule" "2021 --zone UTC" \
            "2021 --tz Mars/Olympus" "2021 --grid --events march" "2021 --southern" \
            "--version" "-5..0 --format ics"; do
    # shellcheck disable=SC2086  # the arguments are words
    compare $args
done

echo "$runs runs compared, $differences differ"
[[ $differences -eq 0 ]]
