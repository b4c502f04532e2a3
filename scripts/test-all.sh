#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: once in a
# plain build, once built with AddressSanitizer and UndefinedBehaviorSanitizer;
# every compiler warning is an error in both.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DZENKO_WERROR=ON
cmake --build build -j"$jobs"
(cd build && ctest -j"$jobs" --output-on-failure)

cmake -S . -B build-sanitize -DZENKO_SANITIZE=ON -DZENKO_BENCH=OFF -DZENKO_WERROR=ON
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ctest -j"$jobs" --output-on-failure)

# Fuzzing for a bounded time (about a minute in all) on the seed corpus.
bash scripts/fuzz.sh 20 40
