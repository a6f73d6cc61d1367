#!/usr/bin/env bash
# Installs what building and testing Lunadesk needs, with apt-get, and nothing when
# everything is already there. Safe to run again and again.
set -euo pipefail

packages=(
    g++ cmake make ninja-build clang-format nlohmann-json3-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 xvfb xauth xdotool x11-utils imagemagick
    fonts-wqy-zenhei python3 python3-icalendar liberfa-dev nsis
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
