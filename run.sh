#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
tuvon_install_missing

export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/tuvon-ccache}"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUVON_TESTS=OFF >/dev/null
cmake --build build/release -j "$(nproc)" --target tuvon

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "The program needs a display, and none is set (DISPLAY or WAYLAND_DISPLAY)." >&2
    echo "On a machine without one, start it under a virtual display:" >&2
    echo "    apt-get install xvfb && xvfb-run ./run.sh" >&2
    exit 1
fi
exec build/release/tuvon "$@"
