#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the program's own
# sources (core/, forms/, hosts/ but the web host; not the tests); exits
# non-zero on any finding. The largest files go first, one per process, so
# that the cores finish together.
# Usage: scripts/tidy.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake -S . -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON > /dev/null
tidy=$(command -v clang-tidy || command -v clang-tidy-14)
# clang-tidy counts the warnings it hid in other people's headers on stderr;
# only its findings are worth reading.
# The web host (hosts/web/) is built by emscripten only, so this native tree
# has no compile commands for it.
ls -S core/*.cpp forms/*/*.cpp hosts/*/*.cpp | grep -v '^hosts/web/' |
  xargs -P"$(nproc)" -n1 "$tidy" -p "$build" --quiet 2>&1 |
  { grep -v -E '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^Use -system-headers' || true; }
