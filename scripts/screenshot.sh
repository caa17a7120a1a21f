#!/usr/bin/env bash
# Takes the README's picture of the real window as a user sees it: the program runs
# under Xvfb with the openbox window manager, which frames and places the window at
# the size the program asks for, and with a fresh home folder.
# Usage: scripts/screenshot.sh [build-dir] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/screenshot.png}
mkdir -p "$(dirname "$out")"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

HOME="$home" xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
    openbox 2>/dev/null & wm=$!
    sleep 1
    "$1" & app=$!
    window=$(xdotool search --sync --onlyvisible --name "^Quillary\$" | head -1)
    sleep 2
    import -frame -window "$window" "$2"
    kill $app $wm' _ "$PWD/$build/src/Quillary" "$out"
echo "wrote $out"
