#!/usr/bin/env bash
# Runs every fuzzing program of a fuzzing build for a while under ASan and UBSan, each from its
# committed seeds, and reports executions and findings.
#   tests/fuzz/run.sh [BUILD_FOLDER]     FUZZ_SECONDS=60 per target (the default)
# New inputs are kept in BUILD_FOLDER/fuzz/corpus/<target>, findings in BUILD_FOLDER/fuzz/findings/<target>;
# a finding worth keeping goes into tests/fuzz/corpus/<target> once it is mended.
set -uo pipefail
folder=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}
cd "$(dirname "$0")/../.."
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen

total_findings=0
for program in "$folder"/tests/fuzz/fuzz_*; do
    [[ -f $program && -x $program ]] || continue
    target=${program##*/fuzz_}
    corpus="$folder/fuzz/corpus/$target"
    findings="$folder/fuzz/findings/$target"
    mkdir -p "$corpus" "$findings"
    log="$folder/fuzz/$target.log"
    "$program" "$corpus" "tests/fuzz/corpus/$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
        -timeout=10 -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1
    runs=$(grep -m1 '^stat::number_of_executed_units' "$log" | awk '{ print $2 }')
    found=$(find "$findings" -type f | wc -l)
    total_findings=$((total_findings + found))
    printf '%-14s %10s executions in %s s, %d findings\n' "$target" "${runs:-?}" "$seconds" "$found"
done
echo "fuzzing: $total_findings findings in all"
[[ $total_findings -eq 0 ]]
