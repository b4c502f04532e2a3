#!/usr/bin/env bash
# Runs one form script in a fresh temporary directory and compares what the
# driver prints (standard output and exit status) with NAME.expected.
# Usage: run_transcript.sh DRIVER... SCRIPT (the driver may be a command of
# several words, e.g. node zenko-script.js)
set -u
script=${!#}
driver=("${@:1:$#-1}")
expected=${script%.zs}.expected
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
"${driver[@]}" < "$script" > actual.txt 2> errors.txt ||
  { echo "zenko-script exited with status $?" >&2; cat errors.txt >&2; exit 1; }
diff -u "$expected" actual.txt || { echo "transcript differs from $expected" >&2; exit 1; }
