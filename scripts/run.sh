#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds Quillary and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: Quillary is a desktop program and needs a graphical session to open its window." >&2
    echo "It was built as build/src/Quillary; run it from a desktop session (or under xvfb-run)." >&2
    exit 2
fi
exec build/src/Quillary
