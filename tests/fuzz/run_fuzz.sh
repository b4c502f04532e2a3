#!/usr/bin/env bash
# Runs a libFuzzer target for a bounded time, writing new inputs into a
# temporary corpus in front of the seed corpus, and prints its final figures.
# An input that crashes, leaks, runs out of memory or hangs is copied into
# KEEP_DIR (named after the fuzzer) and the run fails.
# Usage: run_fuzz.sh FUZZER SECONDS MAX_LEN SEED_DIR KEEP_DIR
set -uo pipefail
fuzzer=$1 seconds=$2 max_len=$3 seeds=$4 keep=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$work/found"
"$fuzzer" -max_total_time="$seconds" -timeout=1 -max_len="$max_len" \
  -print_final_stats=1 -artifact_prefix="$work/found/" "$work/corpus" "$seeds" > "$work/log" 2>&1
status=$?
shopt -s nullglob
found=("$work"/found/*)
if [ "$status" -ne 0 ] || [ ${#found[@]} -gt 0 ]; then
  tail -n 60 "$work/log"
  mkdir -p "$keep"
  for artifact in "${found[@]}"; do
    kept=$keep/$(basename "$fuzzer")-$(basename "$artifact")
    cp "$artifact" "$kept"
    echo "input kept in $kept (hex):"
    od -An -tx1 "$artifact" | head -n 20
    echo "replay: $fuzzer $kept"
  done
  [ "$status" -ne 0 ] || status=1
else
  tail -n 12 "$work/log"
fi
exit "$status"
