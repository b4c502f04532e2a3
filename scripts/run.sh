#!/usr/bin/env bash
# Installs what is missing, builds Zenko and starts it in the build
# directory, where an empty site file Zenko.loc lies.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build
cmake --build build -j"$(nproc)"
cd build
exec ./zenko
