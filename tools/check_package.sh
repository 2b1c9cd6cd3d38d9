#!/usr/bin/env bash
# The checks a distribution runs before it takes a package:
#  1. lintian, failing on any error or warning;
#  2. piuparts: installs the package into a fresh Debian 12 root, purges it
#     and checks that nothing is left behind;
#  3. on top of piuparts, inside its root while the package is installed
#     (tools/piuparts/post_install_start_orvane): the program started with
#     the desktop entry's Exec line must show its window on a virtual display.
# Needs root and the Debian archive; takes a few minutes.
#
#   make check-package                     # builds the package, then runs this
#   sudo tools/check_package.sh build/orvane_*.deb
#
# Environment: ORVANE_MIRROR (default: the first Debian mirror this machine's
# apt sources name), ORVANE_PIUPARTS_CACHE (default /var/cache/orvane-piuparts,
# where the fresh root is kept as a tarball for the next run).
set -euo pipefail

deb=${1:-}
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
    echo "usage: $0 <orvane_VERSION_ARCH.deb>   (make package builds one)" >&2
    exit 2
fi
deb=$(realpath "$deb")
here=$(cd "$(dirname "$0")" && pwd)
for tool in lintian piuparts; do
    command -v $tool >/dev/null || { echo "$0: $tool not found: apt-get install $tool" >&2; exit 2; }
done
[ "$(id -u)" = 0 ] || { echo "$0: piuparts needs root" >&2; exit 2; }

say() { printf '\n== %s\n' "$*"; }

say "lintian $(basename "$deb")"
lintian --fail-on error,warning --display-info "$deb"
echo "lintian: no error, no warning"

# The archive this machine installs from, in either format of apt's sources.
mirror=${ORVANE_MIRROR:-$(
    { sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null
      sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]\+\).*/\2/p' \
          /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null
    } | tr ' ' '\n' | grep -E '/debian/?$' | head -n1 || true)}
mirror=${mirror:-http://deb.debian.org/debian}
cache=${ORVANE_PIUPARTS_CACHE:-/var/cache/orvane-piuparts}
mkdir -p "$cache"
base=$cache/bookworm.tar.gz
if [ -s "$base" ]; then root_args=(--basetgz "$base"); else root_args=(--save "$base"); fi

say "piuparts on bookworm from $mirror"
piuparts --distribution bookworm --mirror "$mirror" --no-upgrade-test \
    --scriptsdir "$here/piuparts" "${root_args[@]}" "$deb"
