#!/bin/bash
# Compiles the IANA zone text data of Debian's tzdata source package into
# the zone files the page carries, as Debian builds its own tzdata
# package: the main data with the zones' histories before 1970 from
# backzone (PACKRATDATA=backzone PACKRATLIST=zone.tab), compiled by
# Debian's zic. The files are then those of /usr/share/zoneinfo for the
# same release, so that the page and kalvest-cli read the same zones; only
# the System V names (CET, EST5EDT, ...) differ, which Debian keeps as
# zones of their own by a patch of its package.
# Usage: compile-zone-files.sh TZDATA_SOURCE_DIR OUTPUT_DIR
set -euo pipefail
source_dir=$1
output=$2
rm -rf "$output"
mkdir -p "$output"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$source_dir"
LC_ALL=C awk -v DATAFORM=main -v PACKRATDATA=backzone -v PACKRATLIST=zone.tab \
    -f ziguard.awk africa antarctica asia australasia europe northamerica southamerica \
    etcetera factory backward backzone >"$work/main.zi"
/usr/sbin/zic -b fat -d "$output" "$work/main.zi"
# The release, where the date/tz library looks for it.
cp version "$output/+VERSION"
