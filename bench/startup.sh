#!/usr/bin/env bash
# The program's start-up, run by calcora_startup_probe, until its first painted frame: wall time and peak memory
# from /usr/bin/time, on the offscreen platform, with a store of its own.
set -euo pipefail
folder=${1:-build-bench}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

mkdir -m 700 "$home/runtime"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$home XDG_RUNTIME_DIR=$home/runtime
for run in "first run (empty store)" "second run" "third run"; do
    /usr/bin/time -f "$run: %e s wall, %M KB peak" "$folder/calcora_startup_probe" 2>&1 | grep -E '^(first|second|third) run'
done
