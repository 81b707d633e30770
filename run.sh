#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec ./build/kestrune
