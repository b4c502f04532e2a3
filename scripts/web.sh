#!/usr/bin/env bash
# Builds Zenko in WebAssembly with Debian's emscripten (installed when
# missing, with what the tests need), in build-web/: the web site in
# build-web/site/ (the menu and every form in a page, the help pages), and
# the drivers build-web/zenko-script.js and build-web/zenko-batch.js, each
# run as `node FILE`, reading standard input and the site file of the
# current directory like the native programs.
# Usage: scripts/web.sh                build, then serve the site on
#                                      http://127.0.0.1:8000/ (Ctrl+C stops)
#        scripts/web.sh --build-only   build the site and the drivers
#        scripts/web.sh --test         build them and run their tests
#                                      (every transcript and table test under
#                                      Node, the check of the double
#                                      conversions, the browser tests)
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-}
case "$mode" in
  --build-only | --test | "") ;;
  *) echo "Usage: scripts/web.sh [--build-only | --test]" >&2; exit 2 ;;
esac
bash scripts/deps.sh web
jobs=$(nproc)
speed=()
if command -v ccache > /dev/null; then
  speed+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
fi
# Optimised for size (-Os): the module is to be downloaded; it computes as
# fast as at -O3 for these forms.
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel -DZENKO_WERROR=ON "${speed[@]}" > /dev/null
cmake --build build-web -j"$jobs" --target zenko-web zenko-script zenko-batch
echo "Built: build-web/site/ (the web site), build-web/zenko-script.js, build-web/zenko-batch.js"
if [ "$mode" = --test ]; then
  cmake --build build-web -j"$jobs"
  (cd build-web && ctest -j"$jobs" -L web --output-on-failure)
fi
if [ -z "$mode" ]; then
  # Python's server sends .wasm as application/wasm, which the browser
  # needs to compile the module as it arrives.
  echo "Zenko in the browser: http://127.0.0.1:8000/   (Ctrl+C stops the server)"
  exec python3 -m http.server --bind 127.0.0.1 8000 --directory build-web/site
fi
