#!/usr/bin/env bash
# Runs zenko-batch on one table in a fresh temporary directory and compares
# what it prints (standard output, standard error, exit status) with
# NAME.expected byte for byte.
# The table's first line "#! ARGS" gives the arguments ("@" stands for the
# table's path; without "@" the table comes on standard input). A line
# "#site LON LAT" writes Zenko.loc first; without it there is none.
# Usage: run_table.sh BATCH... TABLE (the program may be a command of
# several words, e.g. node zenko-batch.js)
set -u
table=${!#}
batch=("${@:1:$#-1}")
expected=${table%.csv}.expected
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
read -r -a args <<< "$(sed -n '1s/^#! //p' "$table")"
site=$(sed -n 's/^#site //p' "$table")
if [ -n "$site" ]; then
  perl -e 'print pack("d<d<", @ARGV)' -- $site > Zenko.loc
fi
stdin=$table
for i in "${!args[@]}"; do
  if [ "${args[$i]}" = "@" ]; then args[$i]=$table; stdin=/dev/null; fi
done
"${batch[@]}" "${args[@]}" < "$stdin" > out.txt 2> err.txt
status=$?
{ cat out.txt; echo "--- stderr"; cat err.txt; echo "--- status $status"; } > actual.txt
diff -u "$expected" actual.txt || { echo "output differs from $expected" >&2; exit 1; }
