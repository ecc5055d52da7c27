#!/usr/bin/env bash
# Installs what is missing, builds Calcora and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

ensure_packages "${BUILD_PACKAGES[@]}"
configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target calcora

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "run.sh: Calcora is built (build/calcora) but there is no display to show it on (DISPLAY is not set)." >&2
    exit 1
fi
exec build/calcora
