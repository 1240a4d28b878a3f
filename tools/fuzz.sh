#!/bin/bash
# Runs every fuzz target of a KALVEST_FUZZ build for SECONDS each (20 by
# default), two at a time, each from its committed seed corpus (fuzz/NAME/).
# New inputs go to a scratch folder, never into fuzz/. A failure (a broken
# invariant, a sanitizer report, a crash or a hang) prints the target's log
# and leaves the input in BUILD/fuzz-artifacts/; the script then fails.
#   tools/fuzz.sh BUILD [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: tools/fuzz.sh BUILD [SECONDS]}
export seconds=${2:-20}
export artifacts=$build/fuzz-artifacts
export bin=$build/bin
mkdir -p "$artifacts"

run_target() {
    local name=$1 scratch
    scratch=$(mktemp -d)
    if "$bin/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$artifacts/$name-" -print_final_stats=1 \
            "$scratch" "fuzz/$name" > "$artifacts/$name.log" 2>&1; then
        echo "$name: $(grep -m1 -o 'Done [0-9]* runs in [0-9]* second(s)' "$artifacts/$name.log"), corpus $(ls "$scratch" | wc -l) new inputs"
        rm -rf "$scratch"
    else
        rm -rf "$scratch"
        echo "$name: FAILED"
        tail -n 60 "$artifacts/$name.log"
        return 1
    fi
}
export -f run_target

targets=$(for f in fuzz/*_fuzz.cpp; do basename "$f" .cpp; done)
printf '%s\n' $targets | xargs -P 2 -I{} bash -c 'run_target "$1"' _ {}
