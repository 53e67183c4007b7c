#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

# The resource compiler of mingw-w64 compiles the translated test scripts.
scripts/install-deps.sh binutils-mingw-w64-x86-64 gcc-mingw-w64-x86-64-posix
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
