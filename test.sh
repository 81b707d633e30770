#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: the normal suite, the same suite
# under the address and undefined-behaviour sanitizers, and each fuzz target over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

cmake --preset fuzz
cmake --build --preset fuzz
for target in fuzz_saved_game fuzz_settings fuzz_int_conversion; do
    # -runs=0 runs every file of the corpus once and stops; any finding fails the run.
    "./build-fuzz/fuzz/$target" -runs=0 -rss_limit_mb=2048 "fuzz/corpus/$target"
done
