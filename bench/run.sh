#!/usr/bin/env bash
# Runs every benchmark of a Release build folder, then times the program's start-up to its
# first shown window, first run (empty store) and second run, with wall time and peak memory.
set -euo pipefail
folder=${1:-build-bench}
cd "$(dirname "$0")/.."

for bench in "$folder"/bench/bench_* "$folder"/bench_*; do
    if [[ -f $bench && -x $bench ]]; then
        "$bench" --benchmark_min_time=0.2
    fi
done

bench/startup.sh "$folder"
