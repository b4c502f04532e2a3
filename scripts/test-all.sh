#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test:
#   1. the plain build (build/, GCC): every test, the Debian package's too
#      (it packages this build's programs);
#   2. clang-tidy with the checks of .clang-tidy over core/, forms/, hosts/;
#   3. one clang build (build-sanitize/) with AddressSanitizer,
#      UndefinedBehaviorSanitizer and libFuzzer's instrumentation: every test
#      once more, and the bounded fuzz runs (an input that fails is kept in
#      build-sanitize/fuzz-crashes/);
#   4. the WebAssembly build (build-web/, Debian's emscripten): the web site
#      and the Node drivers, clang-tidy over the web host, and their tests (every transcript and table
#      test under Node, the browser tests in Debian's headless chromium);
#   5. the test-to-code ratio, when scripts/test-ratio.sh is there.
# Each ctest run writes a JUnit report: build/junit.xml,
# build-sanitize/junit.xml and build-web/junit.xml. Every compiler warning is an error. The compiler
# goes through ccache, and links with lld, when they are installed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/deps.sh web
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
cache=()
if command -v ccache > /dev/null; then
  cache+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Paths below the checkout are hashed relative to it: another clone hits.
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
fi
speed=("${cache[@]}")
# lld links the two dozen test programs several times faster than ld.
command -v ld.lld > /dev/null && speed+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
step() { printf '\n=== %s (at %d s)\n' "$1" "$SECONDS"; }

step "plain build"
cmake --preset default -DZENKO_WERROR=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "${speed[@]}"
cmake --build build -j"$jobs"
step "plain tests"
(cd build && ctest -j"$jobs" --output-on-failure --output-junit junit.xml)

step "clang-tidy"
bash scripts/tidy.sh build

step "sanitizer and fuzzer build"
cmake --preset sanitize -DZENKO_WERROR=ON "${speed[@]}"
cmake --build build-sanitize -j"$jobs"
step "sanitizer tests and bounded fuzz runs"
if ! (cd build-sanitize && ctest -j"$jobs" --output-on-failure --output-junit junit.xml); then
  if [ -d build-sanitize/fuzz-crashes ]; then
    echo "Inputs found by the fuzzers are kept in $PWD/build-sanitize/fuzz-crashes:"
    ls -l build-sanitize/fuzz-crashes
  fi
  exit 1
fi

step "WebAssembly build"
# Optimised for size, as scripts/web.sh builds it.
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel -DZENKO_WERROR=ON "${cache[@]}" > /dev/null
cmake --build build-web -j"$jobs"
step "clang-tidy over the web host"
bash scripts/tidy.sh --web build-web
step "WebAssembly and browser tests"
(cd build-web && ctest -j"$jobs" --output-on-failure --output-junit junit.xml)

if [ -f scripts/test-ratio.sh ]; then
  step "test-to-code ratio"
  bash scripts/test-ratio.sh
fi
step "all passed"
