#!/usr/bin/env bash
# Runs one libFuzzer target for FUZZ_SECONDS seconds (default 30) and fails on any finding.
# The seed corpus is written afresh from a seed list (one input a line, in printf's %b escapes);
# the growing corpus and the findings (crash-*, leak-*, timeout-*, oom-*) stay in the work folder.
#   run-fuzzer.sh FUZZER SEED_LIST WORK_FOLDER
set -euo pipefail

fuzzer=$1
seed_list=$2
work=$3

rm -rf "$work/seeds"
mkdir -p "$work/seeds" "$work/corpus" "$work/findings"
count=0
while IFS= read -r line; do
    case $line in '' | '#'*) continue ;; esac
    count=$((count + 1))
    printf '%b' "$line" >"$work/seeds/$count"
done <"$seed_list"

status=0
"$fuzzer" -max_total_time="${FUZZ_SECONDS:-30}" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$work/findings/" "$work/corpus" "$work/seeds" || status=$?

# The inputs found by this run, in hex, so that the log alone shows them.
if [ "$status" -ne 0 ]; then
    find "$work/findings" -type f -newer "$work/seeds/$count" | while read -r finding; do
        echo "FINDING $finding:"
        od -An -tx1 -v "$finding" | head -n 64
    done
fi
exit "$status"
