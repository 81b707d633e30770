#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset default
cmake --build --preset default
ctest --preset default
