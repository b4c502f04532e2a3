#!/usr/bin/env bash
# Builds Zenko in WebAssembly with Debian's emscripten (installed when
# missing), in build-web/: the drivers build-web/zenko-script.js and
# build-web/zenko-batch.js, each run as `node FILE`, reading standard input
# and the site file of the current directory like the native programs.
# Usage: scripts/web.sh --build-only   build the drivers
#        scripts/web.sh --test         build them and run their Node tests
#                                      (every transcript and table test, and
#                                      the check of the double conversions)
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
cmake --build build-web -j"$jobs" --target zenko-script zenko-batch
echo "Built: build-web/zenko-script.js, build-web/zenko-batch.js"
if [ "$mode" = --test ]; then
  cmake --build build-web -j"$jobs"
  (cd build-web && ctest -j"$jobs" -L web --output-on-failure)
fi
if [ -z "$mode" ]; then
  echo "The web site itself is not built yet; the Node drivers run as"
  echo "  node build-web/zenko-script.js < script.zs"
fi
