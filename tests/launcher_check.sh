#!/usr/bin/env bash
# The desktop entry's launcher: installed into a temporary prefix and run
# with HOME and XDG_DATA_HOME in a temporary directory, it must make the
# user's site file (a copy of the packaged one, 16 zero bytes), start the
# program there, and leave an existing site file untouched. The installed
# zenko typed in a terminal uses a Zenko.loc of its directory, else the
# user's own; the build tree's keeps its directory.
# Usage: launcher_check.sh BUILD_DIR
set -u
build=$1
prefix=$(mktemp -d)
user=$(mktemp -d)
trap 'rm -rf "$prefix" "$user"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" > /dev/null || { echo "cmake --install failed" >&2; exit 1; }
launcher=$prefix/libexec/zenko/zenko-launcher
program=$(readlink -f "$prefix/bin/zenko")
zeros=00000000000000000000000000000000
hex() { od -An -v -tx1 "$1" 2>/dev/null | tr -d ' \n'; }

# Starts COMMAND (the launcher by default) from START_DIR with the given
# environment, waits until it has become the program, prints the program's
# current directory (or says that it ended), and stops it.
start() {
  local start_dir=$1 command=$launcher
  shift
  [ "${1:-}" = "--run" ] && { command=$2; shift 2; }
  (cd "$start_dir" && exec env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen \
     ASAN_OPTIONS=detect_leaks=0 "$@" "$command" > /dev/null 2>&1) &
  local pid=$! cwd="(the program ended)"
  for _ in $(seq 100); do
    [ "$(readlink -f "/proc/$pid/exe" 2>/dev/null)" = "$program" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  # Still running a moment later: the menu is open, in its directory.
  sleep 0.5
  kill -0 "$pid" 2>/dev/null && cwd=$(readlink -f "/proc/$pid/cwd")
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  echo "$cwd"
}

# A form that reads the site file opens in DIR without any message.
opens_quietly() {
  local out
  out=$(cd "$1" && printf 'open 135\nclick 2\n' | "$prefix/libexec/zenko/zenko-script")
  [ "$out" = "close cancel" ] || fail "form 135 in $1 shows: $out"
}

# First start, XDG_DATA_HOME set: the home is made with an empty site file.
mkdir -p "$user/home" "$user/data" "$user/elsewhere"
home=$user/data/zenko
cwd=$(start "$user/elsewhere" HOME="$user/home" XDG_DATA_HOME="$user/data")
[ "$cwd" = "$(readlink -f "$home")" ] || fail "the program runs in '$cwd', not in $home"
[ "$(hex "$home/Zenko.loc")" = "$zeros" ] || fail "the new site file is not 16 zero bytes"
[ -w "$home/Zenko.loc" ] || fail "the new site file is not writable by its user"
opens_quietly "$home"
[ ! -e "$user/elsewhere/Zenko.loc" ] || fail "a site file was made in the starting directory"

# Second start: a site file the user saved is left as it is.
site=0000000000000440000000000000494001020304
printf '\x00\x00\x00\x00\x00\x00\x04\x40\x00\x00\x00\x00\x00\x00\x49\x40\x01\x02\x03\x04' > "$home/Zenko.loc"
touch -d '2020-01-01 00:00:00' "$home/Zenko.loc"
before=$(stat -c %Y "$home/Zenko.loc")
cwd=$(start "$user/elsewhere" HOME="$user/home" XDG_DATA_HOME="$user/data")
[ "$cwd" = "$(readlink -f "$home")" ] || fail "second start: the program runs in '$cwd'"
[ "$(hex "$home/Zenko.loc")" = "$site" ] || fail "second start: the site file was changed"
[ "$(stat -c %Y "$home/Zenko.loc")" = "$before" ] || fail "second start: the site file was rewritten"

# Without XDG_DATA_HOME, or with a relative one (which the XDG base directory
# rules ignore): $HOME/.local/share/zenko.
for data in "" "XDG_DATA_HOME=relative/data"; do
  rm -rf "$user/home/.local"
  cwd=$(start "$user/elsewhere" HOME="$user/home" $data)
  [ "$cwd" = "$(readlink -f "$user/home/.local/share/zenko")" ] ||
    fail "${data:-no XDG_DATA_HOME}: the program runs in '$cwd'"
  [ "$(hex "$user/home/.local/share/zenko/Zenko.loc")" = "$zeros" ] ||
    fail "${data:-no XDG_DATA_HOME}: no empty site file in ~/.local/share/zenko"
done
[ ! -e "$user/elsewhere/relative" ] || fail "a relative XDG_DATA_HOME was used"

# zenko typed in a terminal: where there is no site file, the installed
# program makes and uses the user's own, as the launcher does...
rm -rf "$user/home/.local" "$user/data"
cwd=$(start "$user/elsewhere" --run "$prefix/bin/zenko" HOME="$user/home" XDG_DATA_HOME="$user/data")
[ "$cwd" = "$(readlink -f "$home")" ] || fail "terminal: the program runs in '$cwd', not in $home"
[ "$(hex "$home/Zenko.loc")" = "$zeros" ] || fail "terminal: no empty site file in $home"
# ...but a site file in its directory comes first; and the build tree's
# program keeps the directory it is started in.
mkdir "$user/site" && cp "$home/Zenko.loc" "$user/site" && rm -rf "$user/data"
for run in "$user/site:$program" "$user/elsewhere:$(readlink -f "$build/zenko")"; do
  program=${run#*:}
  cwd=$(start "${run%%:*}" --run "$program" HOME="$user/home" XDG_DATA_HOME="$user/data")
  [ "$cwd" = "$(readlink -f "${run%%:*}")" ] && [ ! -e "$user/data" ] ||
    fail "$program in ${run%%:*} runs in '$cwd' or made the user's site home"
done

[ "$failures" -eq 0 ] && echo "launcher checked in $prefix"
exit $((failures > 0))
