#!/usr/bin/env bash
# Start-up from the command to the first painted frame, side by side with a bare Qt window of the
# same size and with that window showing a few labels and buttons (so that it pays Qt's font
# set-up as Calcora does): Calcora on a first run (no store yet) and on a later run, interleaved
# with both baselines so that all four meet the same machine. Offscreen, and under Xvfb when it
# is installed. Prints the median of each, the ratios to the window with text, and peak memory.
set -euo pipefail
folder=${1:-build-bench}
runs=${STARTUP_RUNS:-21}
cd "$(dirname "$0")/.."
home=$(mktemp -d)
trap 'rm -rf "$home"; [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null' EXIT
mkdir -m 700 "$home/runtime"
export XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home XDG_RUNTIME_DIR=$home/runtime

# Microseconds from starting the command to its first painted frame, which it prints.
milliseconds() {
    local start painted
    start=$(date +%s%N)
    painted=$("$@" 2>/dev/null)
    echo $(((painted - start) / 1000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] / 1000 }'; }

measure() {
    local platform=$1 bare=() text=() first=() later=()
    for ((run = 0; run < runs; ++run)); do
        bare+=("$(milliseconds "$folder/bench/bare_window_probe")")
        text+=("$(milliseconds "$folder/bench/bare_window_probe" text)")
        rm -f "$home/Tovik Software/Calcora 2.01.ini"
        first+=("$(milliseconds "$folder/calcora_startup_probe")")
        later+=("$(milliseconds "$folder/calcora_startup_probe")")
    done
    local b t f l
    b=$(printf '%s\n' "${bare[@]}" | median)
    t=$(printf '%s\n' "${text[@]}" | median)
    f=$(printf '%s\n' "${first[@]}" | median)
    l=$(printf '%s\n' "${later[@]}" | median)
    echo "$platform, median of $runs: bare window $b ms, with text $t ms; Calcora first run $f ms" \
        "($(awk "BEGIN { printf \"%.2f\", $f / $t }") x the window with text), later run $l ms" \
        "($(awk "BEGIN { printf \"%.2f\", $l / $t }") x)"
}

QT_QPA_PLATFORM=offscreen measure offscreen
if command -v Xvfb >/dev/null; then
    Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in {1..100}; do [[ -S /tmp/.X11-unix/X97 ]] && break; sleep 0.05; done
    DISPLAY=:97 QT_QPA_PLATFORM=xcb measure "Xvfb"
fi
rm -f "$home/Tovik Software/Calcora 2.01.ini"
for run in "first run" "later run"; do
    QT_QPA_PLATFORM=offscreen /usr/bin/time -f "peak memory, $run: %M KB" "$folder/calcora_startup_probe" 2>&1 | grep '^peak'
done
QT_QPA_PLATFORM=offscreen /usr/bin/time -f "peak memory, bare window: %M KB" "$folder/bench/bare_window_probe" 2>&1 | grep '^peak'
