#!/usr/bin/env bash
# Installs what is missing, builds Calcora and runs every test headless.
#   ./test.sh          the suite, in build/
#   ./test.sh --asan   the suite under AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/
#   ./test.sh --tsan   the suite under ThreadSanitizer, in build-tsan/
#   ./test.sh --bench  builds the benchmarks in Release (build-bench/) and runs them
#   ./test.sh --fuzz   builds the fuzzing programs with clang (build-fuzz/) and runs each for
#                      FUZZ_SECONDS (default 60) under ASan and UBSan
#   ./test.sh --windows  cross-builds the plain C++ core and its tests for Windows with MinGW-w64
#                      (build-windows/) and runs them under Wine, once per ANSI code page
# Any further arguments go to ctest (for example -R Store).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

variant=${1:-}
[[ $variant == --* ]] && shift || variant=
case "$variant" in
    "")      folder=build;       options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    --asan)  folder=build-asan;  options=(-DCMAKE_BUILD_TYPE=Debug "-DCALCORA_SANITIZE=address,undefined") ;;
    --tsan)  folder=build-tsan;  options=(-DCMAKE_BUILD_TYPE=Debug -DCALCORA_SANITIZE=thread) ;;
    --bench) folder=build-bench; options=(-DCMAKE_BUILD_TYPE=Release -DCALCORA_BUILD_TESTS=OFF -DCALCORA_BUILD_BENCHMARKS=ON) ;;
    --fuzz)  folder=build-fuzz;  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALCORA_BUILD_TESTS=OFF -DCALCORA_FUZZ=ON
                                          -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14) ;;
    --windows) folder=build-windows; options=(-DCMAKE_BUILD_TYPE=Release -DCALCORA_WITH_QT=OFF
                                              -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake) ;;
    *) echo "test.sh: unknown option $variant (use --asan, --tsan, --bench, --fuzz or --windows)" >&2; exit 2 ;;
esac

packages=("${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}")
[[ $variant == --bench ]] && packages+=("${BENCH_PACKAGES[@]}")
[[ $variant == --fuzz ]] && packages+=("${FUZZ_PACKAGES[@]}")
# The cross-build needs no Qt: only the compilers, Wine and GoogleTest's sources.
[[ $variant == --windows ]] && packages=("${WINDOWS_PACKAGES[@]}")
ensure_packages "${packages[@]}"
configure "$folder" "${options[@]}"

if [[ $variant == --fuzz ]]; then
    cmake --build "$folder" --target calcora_fuzzers
    exec tests/fuzz/run.sh "$folder"
fi
cmake --build "$folder"

if [[ $variant == --bench ]]; then
    exec bench/run.sh "$folder"
fi
if [[ $variant == --windows ]]; then
    exec tests/windows/run.sh "$folder"
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
# The path is quoted for the sanitizer's own reader, so a checkout's folder may hold blanks.
export TSAN_OPTIONS=${TSAN_OPTIONS:-"halt_on_error=1 suppressions='$PWD/tests/tsan.supp'"}
ctest --test-dir "$folder" --output-on-failure --timeout 300 -j "$(nproc)" "$@"
