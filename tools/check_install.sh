#!/usr/bin/env bash
# Installs a built tree into a scratch root and checks what a desktop finds
# there: the program, the desktop entry, the icon in every size of the hicolor
# theme, the AppStream metainfo, the manual page and the changelog, with names
# that agree, and both validators content (pedantic hints are shown, errors and
# warnings fail).
#
#   tools/check_install.sh <build-dir> <scratch-dir>
set -euo pipefail

build=$1
root=$2
id=org.orvane.Orvane

rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expect=(
    usr/bin/orvane
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg
    usr/share/man/man1/orvane.1.gz
    usr/share/doc/orvane/changelog.gz
    usr/share/doc/orvane/copyright
)
for size in 16 32 48 64 128 256; do
    expect+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expect[@]}"; do
    [ -s "$root/$file" ] || fail "$file is not installed"
done
[ -x "$root/usr/bin/orvane" ] || fail "usr/bin/orvane is not executable"

# Each PNG is a real picture of the size its directory names.
for png in "$share"/icons/hicolor/*x*/apps/$id.png; do
    dir=$(basename "$(dirname "$(dirname "$png")")")
    want=${dir%x*}
    header=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    [ "$header" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    width=$((16#$(od -An -tx1 -j16 -N4 "$png" | tr -d ' \n')))
    height=$((16#$(od -An -tx1 -j20 -N4 "$png" | tr -d ' \n')))
    [ "$width" = "$want" ] && [ "$height" = "$want" ] ||
        fail "$png is ${width}x${height}, not ${want}x${want}"
done

desktop=$share/applications/$id.desktop
key() { sed -n "s/^$1=//p" "$desktop" | head -n1; }
[ "$(key Icon)" = "$id" ] || fail "the desktop entry names the icon '$(key Icon)', not $id"
exec_name=$(key Exec | cut -d' ' -f1)
[ -x "$root/usr/bin/$exec_name" ] || fail "the desktop entry runs '$exec_name', which is not in usr/bin"
grep -q '^Name\[ja\]=' "$desktop" || fail "the desktop entry has no Japanese name"
grep -q '^Comment\[ja\]=' "$desktop" || fail "the desktop entry has no Japanese comment"
for category in Utility Calculator; do
    [[ ";$(key Categories)" == *";$category;"* ]] || fail "categories '$(key Categories)' lack $category"
done

metainfo=$share/metainfo/$id.metainfo.xml
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q '<screenshot type="default">' "$metainfo" || fail "the metainfo shows no screenshot"

echo "--- desktop-file-validate"
if ! desktop-file-validate "$desktop"; then fail "desktop-file-validate"; fi

echo "--- appstreamcli validate --no-net"
if ! appstreamcli validate --no-net --pedantic "$metainfo"; then fail "appstreamcli validate"; fi

echo "--- appstreamcli validate-tree --no-net"
if ! appstreamcli validate-tree --no-net "$root"; then fail "appstreamcli validate-tree"; fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed tree in $root is complete"
