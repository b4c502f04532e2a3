#!/usr/bin/env bash
# zenko-script when its output is lost or its script cannot be read: a
# French message naming the cause, status 2, never a success; a site file
# that is a pipe is refused, not waited on; one that cannot be written
# fails; errors show control characters escaped; --version.
# Usage: io_check.sh ZENKO-SCRIPT VERSION
set -u
script=$1
version=$2
source "$(dirname "$0")/../io_expect.sh"

# 8000 reads of a field: about 100 kB out, more than a pipe holds.
{ echo 'open 130'; for _ in $(seq 8000); do echo 'get 1025'; done; } > big.zs
lost='zenko-script : écriture impossible sur la sortie standard'

"$script" < big.zs > /dev/full 2> err.txt; status=$?
expect "/dev/full" 2 "$lost : plus de place sur le disque."
"$script" < big.zs >&- 2> err.txt; status=$?
expect "standard output closed" 2 "$lost : descripteur fermé ou non valide."
(trap '' PIPE; "$script" < big.zs 2> err.txt | head -c 10 > /dev/null; exit "${PIPESTATUS[0]}")
status=$?
expect "broken pipe" 2 "$lost : tube fermé par le programme qui le lisait."
"$script" --version > /dev/full 2> err.txt; status=$?
expect "--version to /dev/full" 2 "$lost : plus de place sur le disque."

mkdir script.d
"$script" < script.d > out.txt 2> err.txt; status=$?
expect "directory as the script" 2 \
  "zenko-script : erreur de lecture de l'entrée standard : c'est un répertoire."
"$script" <&- > out.txt 2> err.txt; status=$?
expect "standard input closed" 2 \
  "zenko-script : erreur de lecture de l'entrée standard : descripteur fermé ou non valide."

printf 'open 130\nget 1025\x1b[2J\n' | "$script" > out.txt 2> err.txt; status=$?
expect "control character in an error" 2 "error: unknown control id '1025\\x1b[2J' on form 130"

# Zenko.loc as a pipe without a writer: refused at once, as the forms do.
mkfifo Zenko.loc
echo siteshow | timeout 10 "$script" > out.txt 2> err.txt; status=$?
expect "site file that is a pipe" 0 "" "site refused"
# A site file that cannot be written (a directory holding a file) fails the script.
rm Zenko.loc && mkdir -p Zenko.loc/x && echo 'site 1 2' | "$script" > out.txt 2> err.txt; status=$?
expect "site file not written" 2 "error: cannot write Zenko.loc"

"$script" --version > out.txt 2> err.txt; status=$?
expect "--version" 0 "" "zenko-script (Zenko) $version"

exit $((failures > 0))
