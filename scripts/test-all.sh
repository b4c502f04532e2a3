#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a plain
# build (with the Debian package test), once built with AddressSanitizer and
# UndefinedBehaviorSanitizer, then the bounded fuzz runs. Each run writes a
# JUnit report: build/junit.xml, build-sanitize/junit.xml, build-fuzz/junit.xml.
# Every compiler warning is an error in the first two.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake --preset default -DZENKO_WERROR=ON
cmake --build build -j"$jobs"
(cd build && ctest -j"$jobs" --output-on-failure --output-junit junit.xml)

cmake --preset sanitize -DZENKO_WERROR=ON
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ctest -j"$jobs" --output-on-failure --output-junit junit.xml)

# Fuzzing for a bounded time (about a minute in all) on the seed corpus.
bash scripts/fuzz.sh 20 40
