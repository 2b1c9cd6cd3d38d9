#!/usr/bin/env bash
# Installs the Debian package into a fresh, minimal Debian 12 root and starts
# the program there the way the desktop would: with the command of its desktop
# entry. Nothing on this machine is changed apart from a scratch directory,
# which is removed afterwards. Needs root, debootstrap and network access to
# the Debian archive; takes a few minutes (downloads are cached).
#
#   make check-package                         # builds the package, then runs this
#   sudo tools/check_package.sh [orvane_*.deb]
#   sudo tools/check_package.sh --quick [orvane_*.deb]
#
# --quick skips the fresh root: it unpacks the package with dpkg -x, checks
# its files, and lets apt-get install --simulate resolve its dependencies
# against this machine's package lists.
#
# Environment: ORVANE_MIRROR (default http://deb.debian.org/debian),
# ORVANE_DEBOOTSTRAP_CACHE (default /var/cache/orvane-debootstrap).
set -euo pipefail

quick=0
if [ "${1:-}" = --quick ]; then quick=1; shift; fi
deb=${1:-}
if [ -z "$deb" ]; then
    deb=$(ls -t build/orvane_*.deb 2>/dev/null | head -n1 || true)
fi
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
    echo "usage: $0 [--quick] <orvane_VERSION_ARCH.deb>   (make package builds one)" >&2
    exit 2
fi
deb=$(realpath "$deb")
id=org.orvane.Orvane
mirror=${ORVANE_MIRROR:-http://deb.debian.org/debian}
cache=${ORVANE_DEBOOTSTRAP_CACHE:-/var/cache/orvane-debootstrap}

say() { printf '\n== %s\n' "$*"; }

say "package $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Architecture Depends

scratch=$(mktemp -d /var/tmp/orvane-check.XXXXXX)
cleanup() { rm -rf --one-file-system "$scratch"; }
trap cleanup EXIT

# The files a desktop looks for, under a root directory.
check_files() {
    local root=$1 missing=0 file
    for file in usr/bin/orvane usr/share/applications/$id.desktop \
                usr/share/metainfo/$id.metainfo.xml \
                usr/share/icons/hicolor/scalable/apps/$id.svg \
                usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$id.png; do
        if [ -s "$root/$file" ]; then echo "ok   /$file"; else echo "MISSING /$file"; missing=1; fi
    done
    return $missing
}

if [ "$quick" = 1 ]; then
    say "unpacking with dpkg -x"
    dpkg -x "$deb" "$scratch/root"
    check_files "$scratch/root"
    say "resolving the dependencies with apt-get install --simulate"
    # A package with this name is installable when apt can satisfy its
    # Depends; --simulate installs nothing.
    apt-get install --simulate --no-install-recommends "$deb" | grep -E '^(Inst|Conf) ' || true
    apt-get install --simulate --no-install-recommends "$deb" >/dev/null
    say "OK: files in place and dependencies resolvable (no fresh root used)"
    exit 0
fi

[ "$(id -u)" = 0 ] || { echo "$0: run as root (debootstrap and chroot need it), or use --quick" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "$0: apt-get install debootstrap" >&2; exit 2; }

root=$scratch/root
mkdir -p "$cache"
say "debootstrap --variant=minbase bookworm (cache: $cache)"
debootstrap --variant=minbase --cache-dir="$cache" bookworm "$root" "$mirror" > "$scratch/debootstrap.log" 2>&1 ||
    { tail -n 30 "$scratch/debootstrap.log"; exit 1; }
tail -n 1 "$scratch/debootstrap.log"
cp /etc/resolv.conf "$root/etc/resolv.conf"
echo "deb $mirror bookworm main" > "$root/etc/apt/sources.list"
cp "$deb" "$root/tmp/orvane.deb"

# The steps inside the fresh root. The program is started from the desktop
# entry's Exec line, once on Qt's offscreen platform and once on a virtual X
# display, and must still be running after a few seconds.
cat > "$root/tmp/inside.sh" <<'INSIDE'
set -eu
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
id=org.orvane.Orvane
say() { printf '\n== %s\n' "$*"; }

say "apt-get install ./orvane.deb into the fresh root"
apt-get update -q >/dev/null
apt-get install -y -q --no-install-recommends /tmp/orvane.deb > /tmp/apt.log 2>&1 || { tail -n 30 /tmp/apt.log; exit 1; }
echo "$(grep -c '^Setting up ' /tmp/apt.log) packages set up, among them:"
grep -oE '^Setting up (libqt6(core|gui|widgets)6|qt6-wayland|fonts-ipafont-gothic|fonts-dejavu-core|orvane)(:[a-z0-9]+)? \([^)]*\)' /tmp/apt.log |
    sed 's/^Setting up /  /'
dpkg-query -W -f='installed: ${Package} ${Version} ${Status}\n' orvane

say "libraries"
if ldd /usr/bin/orvane | grep 'not found'; then exit 1; fi
echo "every library of /usr/bin/orvane resolves"

desktop=/usr/share/applications/$id.desktop
command=$(sed -n 's/^Exec=//p' "$desktop" | head -n1 | sed 's/ %[fFuU]//g')
echo "desktop entry: Exec=$command, Icon=$(sed -n 's/^Icon=//p' "$desktop")"

start() {  # <label> <command...>: runs it for 5 s; it must not exit by itself
    label=$1; shift
    status=0
    timeout 5 "$@" > /tmp/run.log 2>&1 || status=$?
    if [ "$status" = 124 ]; then
        echo "$label: still running after 5 s, stopped"
    else
        echo "$label: exited with status $status"; cat /tmp/run.log; exit 1
    fi
    if [ -s /tmp/run.log ]; then echo "  its messages:"; sed 's/^/  | /' /tmp/run.log; fi
}
say "starting '$command' from the desktop entry"
QT_QPA_PLATFORM=offscreen start "offscreen platform" sh -c "exec $command"

apt-get install -y -q --no-install-recommends xvfb xauth x11-utils > /tmp/apt-x.log 2>&1 ||
    { tail -n 30 /tmp/apt-x.log; exit 1; }
# On a virtual X display: the window must be there, with its title.
cat > /tmp/x-session.sh <<X
$command > /tmp/run.log 2>&1 &
pid=\$!
sleep 5
kill -0 \$pid || { echo "X display: exited early"; cat /tmp/run.log; exit 1; }
xwininfo -root -tree | grep '"Orvane"' | sed 's/^ */  window: /'
xwininfo -root -tree | grep -q '"Orvane"' || { echo "X display: no window titled Orvane"; exit 1; }
echo "X display (xvfb-run): window shown, still running after 5 s, stopped"
kill \$pid
X
xvfb-run -a sh /tmp/x-session.sh

say "fonts"
fc-list :lang=ja family | sort -u
INSIDE

# Own mount and process namespaces: /proc for the root is mounted there and
# disappears with them, so nothing is left mounted on this machine.
unshare --mount --pid --fork --mount-proc="$root/proc" chroot "$root" /bin/sh /tmp/inside.sh
say "files where the desktop looks for them"
check_files "$root"
say "OK: the package installs on a fresh Debian 12 root and the program starts from its desktop entry"
