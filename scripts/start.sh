#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
# Only the window and what it links: the tests are the check command's to build.
cmake --build --preset release --target Velb
exec build/release/ui/qt/Velb
