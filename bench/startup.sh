#!/usr/bin/env bash
# Start-up of the real executable until its first window is shown: wall time and peak memory
# from /usr/bin/time, on the offscreen platform, with a store of its own.
set -euo pipefail
folder=${1:-build-bench}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$home
for run in "first run (empty store)" "second run" "third run"; do
    /usr/bin/time -f "$run: %e s wall, %M KB peak" "$folder/calcora_startup_probe" 2>&1 | grep -E 'run'
done
