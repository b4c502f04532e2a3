#!/usr/bin/env bash
# Mutation testing: plants one small fault at a time in the sources, rebuilds
# incrementally and runs the tests, to see whether some test catches it
# ("killed") or none does ("survived"). Not part of the test command: a full
# run takes a long while.
#
# Each line of the list is one fault, its four parts separated by tabs:
#   path<TAB>old text<TAB>new text<TAB>short description
# The path is relative to the checkout; the old text must occur exactly once
# in the file (otherwise the fault is reported "not applicable"). Empty lines
# and lines starting with # are skipped. The texts are taken literally (no
# escapes), so a fault lies within one line and holds no tab.
#
# The file is changed in place for the build and put back after each fault,
# always (also on Ctrl-C). At the end the touched files get their former
# modification times back once the build has caught up with them.
#
# Usage: scripts/mutate.sh [--root DIR] [--build DIR] [--list FILE]
#                          [--only N] [--from N] [--check] [--jobs N]
#                          [--timeout S]
#   --root DIR    checkout to mutate (default: this repository)
#   --build DIR   build directory to use as it is (default: DIR/build-mutants,
#                 configured on first use, with ccache when installed)
#   --list FILE   list of faults (default: scripts/mutants.txt)
#   --only N      only the fault on the Nth entry of the list (from 1)
#   --from N      the faults from the Nth entry on (to go on after a stop)
#   --check       only tell whether each fault applies; build nothing
#   --jobs N      parallel build jobs and tests (default: nproc)
#   --timeout S   time limit of a test without its own limit (default 60)
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
root=$here
build=""
list=$here/scripts/mutants.txt
only=""
from=1
check=0
jobs=$(nproc)
timeout=60
while [ $# -gt 0 ]; do
  case $1 in
    --root) root=$(cd "$2" && pwd); shift 2 ;;
    --build) build=$2; shift 2 ;;
    --list) list=$2; shift 2 ;;
    --only) only=$2; shift 2 ;;
    --from) from=$2; shift 2 ;;
    --check) check=1; shift ;;
    --jobs) jobs=$2; shift 2 ;;
    --timeout) timeout=$2; shift 2 ;;
    -h|--help) sed -n '2,/^set -uo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) echo "mutate.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
[ -f "$list" ] || { echo "mutate.sh: no list $list" >&2; exit 2; }
[ -n "$build" ] || build=$root/build-mutants
[ "$check" -eq 1 ] || build=$(mkdir -p "$build" && cd "$build" && pwd)
export QT_QPA_PLATFORM=offscreen
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}

work=$(mktemp -d)
current=""   # the file that holds a fault right now
touched=()   # every file changed during the run (their originals are in $work)

restore() {
  if [ -n "$current" ]; then
    # The content only: its new time makes the next build compile it again.
    cat "$work/original" > "$root/$current"
    current=""
  fi
}
on_exit() {
  restore
  rm -rf "$work"
}
trap on_exit EXIT
trap 'echo; echo "mutate.sh: interrupted; sources restored" >&2; exit 130' INT TERM

# Applies one fault: prints "ok" after writing the file, or why not. With
# "dry" as the mode it writes nothing and prints "ok" when the fault applies.
apply() {  # mode(write|dry) file old new
  python3 - "$1" "$2" "$3" "$4" <<'EOF'
import sys
mode, path, old, new = sys.argv[1:5]
try:
    with open(path, encoding="utf-8", newline="") as f:
        text = f.read()
except OSError:
    print("no such file"); sys.exit(0)
count = text.count(old)
if count != 1:
    print("found %d times" % count); sys.exit(0)
if mode != "write":
    print("ok"); sys.exit(0)
with open(path, "w", encoding="utf-8", newline="") as f:
    f.write(text.replace(old, new))
print("ok")
EOF
}

configure() {
  [ -f "$build/CMakeCache.txt" ] && return 0
  # The flags of the test command's plain build, so that ccache has the
  # unchanged objects already; lld, when installed, links the many test
  # programs faster after each fault.
  local extra=()
  command -v ccache > /dev/null && extra+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  command -v ld.lld > /dev/null && extra+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
  echo "Configuring $build"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENKO_WERROR=ON \
    -DZENKO_BENCH=OFF "${extra[@]}" > "$work/configure.log" 2>&1 ||
    { cat "$work/configure.log"; exit 2; }
}

build_all() {
  cmake --build "$build" -j"$jobs" > "$work/build.log" 2>&1
}

# The tests, without the slow install and package ones, stopping at the
# first failure.
run_tests() {
  (cd "$build" && ctest -j"$jobs" -E 'package|install|fuzz|bench' --timeout "$timeout" \
     --stop-on-failure) > "$work/test.log" 2>&1
}

first_failure() {
  grep -m1 -E '\*\*\*(Failed|Timeout|Exception)|\(Failed\)|\(Timeout\)' "$work/test.log" |
    sed -E 's/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: //; s/ +\.+.*//; s/^ *[0-9]+ - //'
}

n=0 killed=0 survived=0 unfit=0 broken=0
if [ "$check" -eq 0 ]; then
  configure
  echo "Building the unchanged sources in $build"
  if ! build_all; then tail -n 40 "$work/build.log"; echo "mutate.sh: the unchanged sources do not build" >&2; exit 2; fi
  if ! run_tests; then
    tail -n 30 "$work/test.log"
    echo "mutate.sh: the tests fail without any fault; nothing to measure" >&2
    exit 2
  fi
fi
start=$(date +%s)
while IFS= read -r line || [ -n "$line" ]; do
  case $line in ''|'#'*) continue ;; esac
  n=$((n + 1))
  [ -n "$only" ] && [ "$n" != "$only" ] && continue
  [ "$n" -lt "$from" ] && continue
  IFS=$'\t' read -r path old new what <<< "$line"
  label=$(printf '%3d  %-44s %s' "$n" "$path" "$what")
  if [ -z "${what:-}" ]; then
    echo "$label  not applicable (needs four tab-separated parts)"; unfit=$((unfit + 1)); continue
  fi
  file=$root/$path
  if [ "$check" -eq 1 ]; then
    why=$(apply dry "$file" "$old" "$new")
    if [ "$why" != ok ]; then echo "$label  not applicable ($why)"; unfit=$((unfit + 1))
    else echo "$label  applies"; fi
    continue
  fi
  [ -f "$file" ] && cp -p "$file" "$work/original"
  current=$path
  why=$(apply write "$file" "$old" "$new")
  if [ "$why" != ok ]; then
    current=""
    echo "$label  not applicable ($why)"; unfit=$((unfit + 1)); continue
  fi
  if [ ! -f "$work/times/$path" ]; then
    mkdir -p "$(dirname "$work/times/$path")"
    cp -p "$work/original" "$work/times/$path"
    touched+=("$path")
  fi
  t0=$(date +%s)
  if ! build_all; then
    restore
    echo "$label  build failed ($(grep -m1 -E 'error' "$work/build.log" | cut -c1-100))"
    broken=$((broken + 1)); continue
  fi
  if run_tests; then
    result="SURVIVED"; survived=$((survived + 1))
  else
    result="killed by $(first_failure)"; killed=$((killed + 1))
  fi
  restore
  echo "$label  $result ($(( $(date +%s) - t0 ))s)"
done < "$list"

if [ "$check" -eq 0 ] && [ ${#touched[@]} -gt 0 ]; then
  # Build the restored sources, then give them their former times back:
  # the objects are then newer and match them.
  if build_all; then
    for path in "${touched[@]}"; do touch -r "$work/times/$path" "$root/$path"; done
  else
    echo "mutate.sh: the restored sources did not build; see their modification times" >&2
  fi
fi
if [ "$check" -eq 1 ]; then
  echo "$((n - unfit)) of $n faults apply"
  exit 0
fi
total=$((killed + survived))
echo "Killed $killed of $total (survived $survived; not applicable $unfit; build failed $broken)" \
  "in $(( $(date +%s) - start ))s"
