#!/usr/bin/env bash
# Builds only the libFuzzer targets with clang (build-fuzz/) and runs each for
# a bounded time on top of the committed seed corpus, as the ctest tests
# fuzz.parse and fuzz.script and fuzz.batch of the fuzz build (label fuzz).
# For longer runs than the test command's (whose sanitizer build runs the
# same tests for 20, 40 and 20 seconds). An input that fails is kept in
# build-fuzz/fuzz-crashes/.
# Usage: scripts/fuzz.sh [seconds for the parsers] [seconds for the driver]
#        [seconds for zenko-batch's tables]
set -euo pipefail
cd "$(dirname "$0")/.."
parse_seconds=${1:-20}
script_seconds=${2:-40}
batch_seconds=${3:-20}
CC=clang CXX=clang++ cmake --preset fuzz -DZENKO_FUZZ_PARSE_SECONDS="$parse_seconds" \
  -DZENKO_FUZZ_SCRIPT_SECONDS="$script_seconds" -DZENKO_FUZZ_BATCH_SECONDS="$batch_seconds" > /dev/null
cmake --build build-fuzz -j"$(nproc)" --target parse_fuzz script_fuzz batch_fuzz
cd build-fuzz
if ! ctest -L fuzz --output-on-failure --verbose --output-junit junit.xml; then
  [ -d fuzz-crashes ] && echo "Inputs found by the fuzzers are kept in $PWD/fuzz-crashes"
  exit 1
fi
