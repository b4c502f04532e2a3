# Sourced by the input/output checks of the command-line programs: runs
# them in a fresh temporary directory and counts the failed expectations.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

# expect NAME STATUS STDERR-TEXT [STDOUT-TEXT]: compares the last run's
# status, standard error (err.txt) and output (out.txt) with what is expected.
expect() {
  [ "$status" -eq "$2" ] && [ "$(cat err.txt)" = "$3" ] && { [ $# -lt 4 ] || [ "$(cat out.txt)" = "$4" ]; } ||
    { echo "FAIL $1: status $status, stderr: $(cat err.txt), output: $(head -c 300 out.txt 2>/dev/null)" >&2; failures=$((failures + 1)); }
}
