#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test Quillary.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
    build-essential cmake
    qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    clang libclang-rt-14-dev
    xvfb xauth imagemagick openbox xdotool
    desktop-file-utils appstream dpkg-dev file
    python3
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
