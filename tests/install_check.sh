#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user's system
# receives: the programs, the help beside them (every page each form's Aide
# opens, with its frames and pictures), the desktop entry and its icon, the
# empty site file, and that the installed program starts.
set -u
build=$1
prefix=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" > /dev/null || { echo "cmake --install failed" >&2; exit 1; }
program_dir=$prefix/lib/zenko
[ -d "$program_dir" ] || program_dir=$(dirname "$(readlink -f "$prefix/bin/zenko")")

for p in zenko zenko-script; do
  [ -x "$program_dir/$p" ] || fail "$program_dir/$p is not installed"
  [ "$(readlink -f "$prefix/bin/$p")" = "$(readlink -f "$program_dir/$p")" ] ||
    fail "bin/$p does not lead to the installed program"
done

# Each form's Aide names a topic; its frameset and the pages it frames must be
# in the help directory beside the program.
forms="164:1132 130:1110 135:1112 134:1107 129:1109 132:1111 144:1118 146:1108 131:1106 143:1119"
for pair in $forms; do
  form=${pair%%:*} help=${pair##*:}
  topic=$(cd "$work" && printf 'site 0 0\nopen %s\nclick %s\n' "$form" "$help" |
          "$prefix/bin/zenko-script" | sed -n 's/^help [^:]*::\///p')
  [ -n "$topic" ] || { fail "form $form opens no help topic"; continue; }
  [ -f "$program_dir/help/$topic" ] || { fail "form $form: help/$topic is not installed"; continue; }
  for page in $(grep -o 'src="[^"]*"' "$program_dir/help/$topic" | sed 's/src="\(.*\)"/\1/'); do
    [ -f "$program_dir/help/$page" ] || fail "$topic frames $page, which is not installed"
  done
  main=${topic%_frameset.htm}_main.htm
  for image in $(grep -o 'src="[^"]*\.png"' "$program_dir/help/$main" | sed 's/src="\(.*\)"/\1/'); do
    [ -f "$program_dir/help/$image" ] || fail "$main shows $image, which is not installed"
  done
done
[ -f "$program_dir/help/index.htm" ] || fail "help/index.htm is not installed"

desktop=$prefix/share/applications/zenko.desktop
if [ -f "$desktop" ]; then
  grep -qx 'Name=Utilitaires du Club Zenko' "$desktop" || fail "desktop entry: wrong Name"
  grep -qx 'Type=Application' "$desktop" || fail "desktop entry: no Type=Application"
  grep -q '^Categories=.*Education;' "$desktop" || fail "desktop entry: not in Education"
  grep -q '^Categories=.*Science;' "$desktop" || fail "desktop entry: not in Science"
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$prefix/bin/$exec_name" ] || fail "desktop entry: Exec=$exec_name is not in bin"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "desktop entry: icon $icon is not installed"
else
  fail "no desktop entry"
fi

site=$prefix/share/zenko/Zenko.loc
if [ -f "$site" ]; then
  [ "$(od -An -v -tx1 "$site" | tr -d ' \n')" = "00000000000000000000000000000000" ] ||
    fail "share/zenko/Zenko.loc is not 16 zero bytes"
else
  fail "share/zenko/Zenko.loc is not installed"
fi

# The installed program starts and keeps its menu open until it is stopped.
(cd "$work" && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
  timeout 5 "$prefix/bin/zenko" > "$work/start.log" 2>&1)
status=$?
[ "$status" -eq 124 ] || { fail "the installed zenko ended with status $status"; cat "$work/start.log" >&2; }

[ "$failures" -eq 0 ] && echo "installation checked in $prefix"
exit $((failures > 0))
