#!/usr/bin/env bash
# Builds and runs every test: the native build (with AddressSanitizer and UBSan) and
# the Windows cross build, whose tests run under Wine. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset windows
cmake --build --preset windows
ctest --preset windows
