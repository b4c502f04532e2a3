#!/usr/bin/env bash
# Installs what is missing to build and run Zenko, builds only the program
# (with its help pages and an empty site file beside it), and starts it in
# the build directory. Tests and benchmarks are built by scripts/test-all.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
cmake --preset default > /dev/null
cmake --build build -j"$(nproc)" --target zenko zenko-data
cd build
exec ./zenko
