#!/usr/bin/env bash
# Runs a libFuzzer target for a bounded time, writing new inputs into a
# temporary corpus in front of the seed corpus, and prints its final figures.
# Usage: run_fuzz.sh FUZZER SECONDS MAX_LEN SEED_DIR
set -uo pipefail
fuzzer=$1 seconds=$2 max_len=$3 seeds=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$fuzzer" -max_total_time="$seconds" -timeout=1 -max_len="$max_len" \
  -print_final_stats=1 -artifact_prefix="$work/" "$work" "$seeds" > "$work/log" 2>&1
status=$?
if [ "$status" -ne 0 ]; then
  tail -n 60 "$work/log"
  for artifact in "$work"/crash-* "$work"/timeout-* "$work"/leak-*; do
    [ -f "$artifact" ] && { echo "input $(basename "$artifact") (hex):"; od -An -tx1 "$artifact" | head -n 20; }
  done
else
  tail -n 12 "$work/log"
fi
exit "$status"
