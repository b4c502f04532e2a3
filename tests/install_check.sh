#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user's system
# receives: the programs, the help (every page each form's Aide
# opens, with its frames and pictures), the manual pages, the desktop entry
# and its icon, and that the installed program starts. (The empty site
# file: launcher_check.sh, which copies it.)
# Usage: install_check.sh BUILD_DIR VERSION
set -u
build=$1 version=$2
prefix=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" > /dev/null || { echo "cmake --install failed" >&2; exit 1; }
help_dir=$prefix/share/zenko/help
script=$prefix/libexec/zenko/zenko-script

[ -x "$prefix/bin/zenko" ] || fail "bin/zenko is not installed"
[ -x "$script" ] || fail "libexec/zenko/zenko-script is not installed"
[ ! -e "$prefix/bin/zenko-script" ] || fail "the development tool zenko-script is in bin"
[ -x "$prefix/libexec/zenko/zenko-launcher" ] || fail "libexec/zenko/zenko-launcher is not installed"

# Each form's Aide names a topic; its frameset and the pages it frames must be
# in the installed help directory.
forms="164:1132 130:1110 135:1112 134:1107 129:1109 132:1111 144:1118 146:1108 131:1106 143:1119"
for pair in $forms; do
  form=${pair%%:*} help=${pair##*:}
  topic=$(cd "$work" && printf 'site 0 0\nopen %s\nclick %s\n' "$form" "$help" |
          "$script" | sed -n 's/^help [^:]*::\///p')
  [ -n "$topic" ] || { fail "form $form opens no help topic"; continue; }
  [ -f "$help_dir/$topic" ] || { fail "form $form: help/$topic is not installed"; continue; }
  for page in $(grep -o 'src="[^"]*"' "$help_dir/$topic" | sed 's/src="\(.*\)"/\1/'); do
    [ -f "$help_dir/$page" ] || fail "$topic frames $page, which is not installed"
  done
  main=${topic%_frameset.htm}_main.htm
  for image in $(grep -o 'src="[^"]*\.png"' "$help_dir/$main" | sed 's/src="\(.*\)"/\1/'); do
    [ -f "$help_dir/$image" ] || fail "$main shows $image, which is not installed"
  done
done
[ -f "$help_dir/index.htm" ] || fail "help/index.htm is not installed"

# Manual pages, one for each installed program, in French with one header:
# each has its options (--version among them) and a VOIR AUSSI section
# naming installed pages only, and shows no raw "&" of a button's label.
man1=$prefix/share/man/man1 zenko_text="" first=""
for page in zenko zenko-batch zenko-script; do
  file=$man1/$page.1.gz
  [ -f "$file" ] || { [ "$page" = zenko-batch ] && [ ! -e "$prefix/bin/zenko-batch" ] ||
    fail "man1/$page.1.gz is not installed"; continue; }
  header=$(gzip -cd "$file" | sed -n 's/^\.TH [^ ]* 1 //p')
  [ "$header" = "${first:=$header}" ] && [[ $header == *"\"Zenko $version\""* ]] ||
    fail "$page(1): header '$header' is not zenko(1)'s, with Zenko $version"
  text=$(gzip -cd "$file" | LC_ALL=C.UTF-8 groff -man -Tutf8 -P-cbou 2>/dev/null)
  for line in NOM "VOIR AUSSI" " *--version"; do
    grep -qx "$line" <<< "$text" || fail "$page(1) has no line '$line'"
  done
  grep -q '&' <<< "$text" && fail "$page(1) shows a raw &: $(grep '&' <<< "$text" | head -n 1)"
  for named in $(grep -o 'zenko[a-z-]*(1)' <<< "$text" | sort -u); do
    [ -f "$man1/${named%(1)}.1.gz" ] || fail "$page(1) refers to $named, which is not installed"
  done
  zenko_text=${zenko_text:-$text}
  [ "$page" = zenko ] || grep -q "$page(1)" <<< "$zenko_text" || fail "zenko(1) does not refer to $page(1)"
done

desktop=$prefix/share/applications/zenko.desktop
if [ -f "$desktop" ]; then
  grep -qx 'Name=Utilitaires du Club Zenko' "$desktop" || fail "desktop entry: wrong Name"
  exec_path=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ "$exec_path" = "$prefix/libexec/zenko/zenko-launcher" ] ||
    fail "desktop entry: Exec=$exec_path is not the installed launcher"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  # (the entry's validity, categories and icon sizes: package_check.sh)
  [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "desktop entry: icon $icon is not installed"
else
  fail "no desktop entry"
fi

# The installed program starts and keeps its menu open until it is stopped
# (with a home of its own: it makes the user's site file there).
(cd "$work" && HOME="$work/home" XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
  timeout 5 "$prefix/bin/zenko" > "$work/start.log" 2>&1)
status=$?
[ "$status" -eq 124 ] || { fail "the installed zenko ended with status $status"; cat "$work/start.log" >&2; }
# It tells its version without any display.
found=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 \
  timeout 5 "$prefix/bin/zenko" --version 2>&1)
[ "$found" = "zenko (Zenko) $version" ] || fail "zenko --version prints '$found'"

[ "$failures" -eq 0 ] && echo "installation checked in $prefix"
exit $((failures > 0))
