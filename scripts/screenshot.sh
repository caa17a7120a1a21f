#!/usr/bin/env bash
# Takes the README's picture of the real window: the program runs under Xvfb
# (no window manager, so the window sits at the top-left corner) with a fresh home folder.
# Usage: scripts/screenshot.sh [build-dir] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/screenshot.png}
mkdir -p "$(dirname "$out")"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

HOME="$home" xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & pid=$!
    sleep 3
    import -window root -crop 520x640+0+0 +repage "$2"
    kill $pid' _ "$PWD/$build/src/Quillary" "$out"
echo "wrote $out"
