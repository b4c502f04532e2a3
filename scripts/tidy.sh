#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the program's own
# sources (not the tests); exits non-zero on any finding.
# Usage: scripts/tidy.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake -S . -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON > /dev/null
tidy=$(command -v clang-tidy || command -v clang-tidy-14)
ls core/*.cpp forms/*/*.cpp hosts/*/*.cpp |
  xargs -P"$(nproc)" -n4 "$tidy" -p "$build" --quiet
