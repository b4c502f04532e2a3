#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on
# top of the committed seed corpus (the form transcripts seed the driver).
# Usage: scripts/fuzz.sh [seconds for the parsers] [seconds for the driver]
#        [seconds for zenko-batch's tables]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
parse_seconds=${1:-20}
script_seconds=${2:-40}
batch_seconds=${3:-20}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DZENKO_FUZZ=ON -DZENKO_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build-fuzz -j"$(nproc)" --target parse_fuzz script_fuzz batch_fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/parse" "$work/script" "$work/batch"
export ASAN_OPTIONS=detect_leaks=1
"$root/build-fuzz/tests/fuzz/parse_fuzz" -max_total_time="$parse_seconds" -timeout=1 \
  -max_len=4096 -print_final_stats=1 "$work/parse" "$root/tests/fuzz/corpus/parse" 2>&1 | tail -n 12
"$root/build-fuzz/tests/fuzz/script_fuzz" -max_total_time="$script_seconds" -timeout=1 \
  -max_len=8192 -print_final_stats=1 "$work/script" "$root/tests/scripts" 2>&1 | tail -n 12
"$root/build-fuzz/tests/fuzz/batch_fuzz" -max_total_time="$batch_seconds" -timeout=1 \
  -max_len=8192 -print_final_stats=1 "$work/batch" "$root/tests/batch" 2>&1 | tail -n 12
