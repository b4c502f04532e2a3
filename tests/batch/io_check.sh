#!/usr/bin/env bash
# zenko-batch when its output is lost or its table cannot be read: a French
# message naming the cause, status 2, never a success; and its command line
# (--version, "--" before a file name beginning with '-').
# Usage: io_check.sh ZENKO-BATCH VERSION
set -u
batch=$1
version=$2
source "$(dirname "$0")/../io_expect.sh"

# 3000 rows of J2000.0 (JD 2451545.0, its definition): about 180 kB out,
# more than a pipe holds.
{ echo 'date;heure'; for _ in $(seq 3000); do echo '01/01/2000;12:00:00'; done; } > big.csv
full='zenko-batch : écriture impossible sur la sortie standard : plus de place sur le disque.'

for args in "130 big.csv" "--aide" "--champs 130" "--version"; do
  read -r -a argv <<< "$args"
  "$batch" "${argv[@]}" > /dev/full 2> err.txt; status=$?
  expect "/dev/full ($args)" 2 "$full"
done

"$batch" 130 big.csv >&- 2> err.txt; status=$?
expect "standard output closed" 2 \
  'zenko-batch : écriture impossible sur la sortie standard : descripteur fermé ou non valide.'

# Broken pipe with SIGPIPE ignored: the write fails with EPIPE.
(trap '' PIPE; "$batch" 130 big.csv 2> err.txt | head -c 10 > /dev/null; exit "${PIPESTATUS[0]}")
status=$?
expect "broken pipe" 2 \
  'zenko-batch : écriture impossible sur la sortie standard : tube fermé par le programme qui le lisait.'

# A file that cannot grow past 4 kB (a full disk): cut there, in a row,
# and nothing after the failure.
(ulimit -f 4; trap '' XFSZ; "$batch" 130 big.csv > out.txt 2> err.txt)
status=$?
expect "file size limit" 2 'zenko-batch : écriture impossible sur la sortie standard : fichier trop gros.'
[ "$(stat -c %s out.txt)" -eq 4096 ] || { echo "FAIL file size limit: $(stat -c %s out.txt) bytes" >&2; failures=$((failures + 1)); }

# The table cannot be read.
mkdir table.d
"$batch" 130 table.d > out.txt 2> err.txt; status=$?
expect "directory as the table" 2 'zenko-batch : « table.d » est un répertoire, pas une table.'
"$batch" 130 < table.d > out.txt 2> err.txt; status=$?
expect "directory on standard input" 2 'zenko-batch : l'"'"'entrée standard est un répertoire, pas une table.'
"$batch" 130 <&- > out.txt 2> err.txt; status=$?
expect "standard input closed" 2 \
  'zenko-batch : erreur de lecture de l'"'"'entrée standard : descripteur fermé ou non valide.'

# A byte-order mark before the header is not part of its first name.
printf '\xEF\xBB\xBFdate;heure\n01/01/2000;12:00:00\n' | "$batch" 130 > out.txt 2> err.txt; status=$?
expect "byte-order mark" 0 "" "$(printf 'date;heure;jour_julien;tsg;equation_temps;res_date;res_heure;message\n01/01/2000;12:00:00;2451545.0000000;18h 41m 50.5s;3m 18.3s;;;')"

# The command line.
"$batch" --version > out.txt 2> err.txt; status=$?
expect "--version" 0 "" "zenko-batch (Zenko) $version"
printf 'date;heure\n01/01/2000;12:00:00\n' > -table.csv
"$batch" 130 -- -table.csv > out.txt 2> err.txt; status=$?
expect "-- before -table.csv" 0 ""
grep -q '^01/01/2000;12:00:00;2451545.0000000;' out.txt || { echo "FAIL -- before -table.csv: no row" >&2; failures=$((failures + 1)); }

exit $((failures > 0))
