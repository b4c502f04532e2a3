#!/usr/bin/env bash
# Builds the Debian package from a build directory, builds it a second time
# to compare the bytes, runs lintian on it (any error or warning fails: kept
# warnings need an override with a comment), unpacks it with dpkg-deb -x and
# checks what it holds.
# Usage: package_check.sh BUILD_DIR SOURCE_DIR VERSION
set -u
build=$1 source=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Into a directory of our own, so that the build directory's staging area
# and a package being made by hand are not touched.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; echo "cpack failed" >&2; exit 1; }
deb=$work/out/zenko_${version}_amd64.deb
[ -f "$deb" ] || { ls "$work/out" >&2; echo "no zenko_${version}_amd64.deb" >&2; exit 1; }

lintian --fail-on error,warning "$deb" > "$work/lintian.log" 2>&1 ||
  { sed '/running with root privileges/d' "$work/lintian.log" >&2; fail "lintian"; }

# The same build packaged again, elsewhere, gives the same bytes: every
# file dated at the last commit (SOURCE_DATE_EPOCH), owned by root.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/again" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed the second time"; }
cmp -s "$deb" "$work/again/$(basename "$deb")" || fail "a second packaging gives other bytes"
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct)}
stamp=$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
others=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time --numeric-owner |
         awk -v stamp="$stamp" '$2 != "0/0" || $4 " " $5 != stamp' | head -n 3)
[ -z "$others" ] || fail "files not dated $stamp or not root's: $others"

# Control fields: version, computed library dependencies and the run-time
# packages Qt loads by itself; recommended, Qt's French texts and xdg-open.
for field in Package=zenko Version=$version Architecture=amd64; do
  [ "$(dpkg-deb -f "$deb" "${field%%=*}")" = "${field#*=}" ] || fail "package field is not $field"
done
depends=$(dpkg-deb -f "$deb" Depends) recommends=$(dpkg-deb -f "$deb" Recommends)
for need in libqt6svg6 libqt6widgets6 libc6 libstdc++6; do
  case ", $depends," in *", $need"[\ ,]*) ;; *) fail "Depends lacks $need: $depends" ;; esac
done
for want in qt6-translations-l10n xdg-utils; do
  case ", $recommends," in *", $want"[\ ,]*) ;; *) fail "Recommends lacks $want: $recommends" ;; esac
  case ", $depends," in *", $want"[\ ,]*) fail "Depends holds $want: $depends" ;; esac
done

root=$work/root
dpkg-deb -x "$deb" "$root" || { echo "dpkg-deb -x failed" >&2; exit 1; }

# Programs: zenko in /usr/bin, stripped; the test driver out of /usr/bin.
for program in "$root/usr/bin/zenko" "$root/usr/libexec/zenko/zenko-script"; do
  [ -x "$program" ] || { fail "${program#$root} is missing"; continue; }
  readelf -S "$program" | grep -q '\.symtab' && fail "${program#$root} is not stripped"
  readelf -S "$program" | grep -q '\.debug_' && fail "${program#$root} keeps debugging sections"
done
[ ! -e "$root/usr/bin/zenko-script" ] || fail "zenko-script is in /usr/bin"
launcher=$root/usr/libexec/zenko/zenko-launcher
[ -x "$launcher" ] || fail "the launcher is missing"
sh -n "$launcher" || fail "the launcher is not a valid shell script"

# Documentation: machine-readable copyright under the GPL, Debian changelog.
doc=$root/usr/share/doc/zenko
head -n 1 "$doc/copyright" 2>/dev/null |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright is not in the machine-readable format"
grep -qx 'License: GPL-3.0+' "$doc/copyright" 2>/dev/null || fail "copyright does not name GPL-3.0+"
gzip -cd "$doc/changelog.gz" 2>/dev/null | head -n 1 | grep -q "^zenko ($version) " ||
  fail "changelog.gz does not start with version $version"

# Manual pages: zenko.1, and zenko-batch.1 with the program when it is built.
man1=$root/usr/share/man/man1
gzip -t "$man1/zenko.1.gz" 2>/dev/null || fail "man1/zenko.1.gz is missing or damaged"
if [ -e "$root/usr/bin/zenko-batch" ] || [ -f "$source/data/man/zenko-batch.1" ]; then
  gzip -t "$man1/zenko-batch.1.gz" 2>/dev/null || fail "man1/zenko-batch.1.gz is missing"
fi
# Compressed without a name or a time (gzip -n): the same text, the same bytes.
for gz in "$man1"/*.1.gz "$doc/changelog.gz"; do
  [ "$(od -An -tu1 -j3 -N5 "$gz" 2>/dev/null | awk '{print int($1 / 8) % 2, $2 + $3 + $4 + $5}')" = "0 0" ] ||
    fail "${gz#$root} keeps a name or a time in its gzip header"
done
for page in "$man1"/*.1.gz; do
  [ -f "$page" ] || continue
  warnings=$(gzip -cd "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || fail "${page#$root}: $warnings"
done

# Desktop entry: valid without errors or hints, one main category, starting
# the packaged launcher.
desktop=$root/usr/share/applications/zenko.desktop
if [ -f "$desktop" ]; then
  report=$(desktop-file-validate "$desktop" 2>&1)
  [ -z "$report" ] || fail "desktop-file-validate: $report"
  grep -qx 'Categories=Education;Astronomy;' "$desktop" || fail "desktop entry categories"
  grep -qx 'Exec=/usr/libexec/zenko/zenko-launcher' "$desktop" || fail "desktop entry does not start the launcher"
else
  fail "no desktop entry"
fi

# AppStream metadata: valid, French summary, a screenshot, the desktop entry.
metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml 2>/dev/null | head -n 1)
if [ -n "$metainfo" ]; then
  appstreamcli validate --no-net "$metainfo" > "$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }
  grep -q '<summary>Calculateurs astronomiques' "$metainfo" || fail "metainfo summary is not the French one"
  grep -q '<screenshot type="default">' "$metainfo" || fail "metainfo has no screenshot"
  grep -q '<launchable type="desktop-id">zenko.desktop</launchable>' "$metainfo" || fail "metainfo launchable"
else
  fail "no metainfo file"
fi

# Icons: the SVG and a PNG of the right size at each size.
icons=$root/usr/share/icons/hicolor
[ -f "$icons/scalable/apps/zenko.svg" ] || fail "scalable icon missing"
for size in 16 32 48 64 128 256; do
  # PNG header: width and height, big-endian, at bytes 16 to 23.
  found=$(od -An -tu1 -j16 -N8 "$icons/${size}x$size/apps/zenko.png" 2>/dev/null |
    awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
  [ "$found" = "${size}x$size" ] || fail "zenko.png at $size px is '${found:-missing}'"
done

# Help pages with their pictures, and the empty site file the launcher copies.
help=$root/usr/share/zenko/help
for page in "$source"/help/*.htm "$source"/help/pictures/*.png; do
  [ -f "$help/${page#$source/help/}" ] || fail "help/${page#$source/help/} is not packaged"
done
[ "$(od -An -v -tx1 "$root/usr/share/zenko/Zenko.loc" 2>/dev/null | tr -d ' \n')" = \
  "00000000000000000000000000000000" ] || fail "usr/share/zenko/Zenko.loc is not 16 zero bytes"

# Nothing outside /usr, and nothing left from a build tree.
extra=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$extra" ] || fail "files outside /usr: $extra"
[ ! -d "$root/usr/local" ] || fail "files under /usr/local"

[ "$failures" -eq 0 ] && echo "package $(basename "$deb") checked"
exit $((failures > 0))
