#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the program's own
# sources (core/, forms/, hosts/; not the tests); exits
# non-zero on any finding. The largest files go first, one per process, so
# that the cores finish together.
# Usage: scripts/tidy.sh [BUILD]        the native sources, with the compile
#                                       commands of BUILD (default build)
#        scripts/tidy.sh --web [BUILD]  the web host (hosts/web/), with those
#                                       of the WebAssembly tree (default
#                                       build-web, configured by emcmake)
set -euo pipefail
cd "$(dirname "$0")/.."
tidy=$(command -v clang-tidy || command -v clang-tidy-14)
# clang-tidy counts the warnings it hid in other people's headers on stderr;
# only its findings are worth reading.
findings() {
  grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^Use -system-headers' || true
}
if [ "${1:-}" = --web ]; then
  build=${2:-build-web}
  # The tree keeps its emscripten toolchain from its cache.
  cmake -S . -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON > /dev/null
  # em++ gives the compiler emscripten's target and system headers by
  # itself; clang-tidy is told them. Only the web host's own headers are
  # looked at: the layers' are checked with the native sources.
  sysroot="$(em-config CACHE)/sysroot"
  ls -S hosts/web/*.cpp |
    xargs -P"$(nproc)" -n1 "$tidy" -p "$build" --quiet --header-filter='/hosts/web/' \
      --extra-arg=--target=wasm32-unknown-emscripten --extra-arg=--sysroot="$sysroot" \
      --extra-arg=-isystem"$sysroot/include/compat" --extra-arg=-D__EMSCRIPTEN__ 2>&1 | findings
  exit
fi
build=${1:-build}
cmake -S . -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON > /dev/null
# The web host (hosts/web/) is built by emscripten only: --web.
ls -S core/*.cpp forms/*/*.cpp hosts/*/*.cpp | grep -v '^hosts/web/' |
  xargs -P"$(nproc)" -n1 "$tidy" -p "$build" --quiet 2>&1 | findings
