#!/usr/bin/env bash
# MPFR for the browser build: Debian's own source packages of MPFR and GMP,
# fetched through a private apt configuration (the system's own sources,
# turned into source entries) and built for wasm32 with emscripten. GMP
# itself is not built: MPFR is configured with GMP's mini-gmp, a one-file
# subset that is small and quick to compile and ample at 53 bits; it is
# installed as lib/libgmp.a with gmp.h, so a consumer links MPFR and "GMP"
# as it would anywhere else.
#
# Usage: web/build/build_mpfr.sh DEPS_DIR
# Installs DEPS_DIR/prefix/{include/mpfr.h,include/gmp.h,lib/libmpfr.a,lib/libgmp.a}.
# With those in place from an earlier run it does nothing.
set -euo pipefail

deps=${1:?usage: web/build/build_mpfr.sh DEPS_DIR}
mkdir -p "$deps"
deps=$(cd "$deps" && pwd)
prefix=$deps/prefix
stamp=$prefix/.complete

if [ -f "$stamp" ]; then
    exit 0
fi
rm -rf "$prefix"

# --- Sources -----------------------------------------------------------------
# The configured binary archives of this release (any format of sources file),
# each as a source entry; other repositories (third-party suites) are left
# out: they need not carry source packages.
apt_dir=$deps/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:?}")
apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
    awk -v release="$codename" '$2 == release || index($2, release "-") == 1 { print "deb-src", $1, $2, $3 }' |
    sort -u > "$apt_dir/sources.list"
if [ ! -s "$apt_dir/sources.list" ]; then
    echo "build_mpfr: no configured archive for $codename to take source packages from" >&2
    exit 1
fi
apt_private=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
             -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
             -o "Dir::State::Lists=$apt_dir/lists"
             -o "Dir::Cache=$apt_dir/cache"
             -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache="
             -o "APT::Sandbox::User=$(id -un)")

src=$deps/src
if [ ! -f "$src/.fetched" ]; then
    rm -rf "$src"
    mkdir -p "$src"
    apt-get -q "${apt_private[@]}" update
    (cd "$src" && apt-get -q "${apt_private[@]}" source mpfr4 gmp)
    touch "$src/.fetched"
fi
mpfr_src=$(find "$src" -maxdepth 1 -type d -name 'mpfr4-*' | head -n1)
gmp_src=$(find "$src" -maxdepth 1 -type d -name 'gmp-*' | head -n1)
if [ -z "$mpfr_src" ] || [ ! -f "$gmp_src/mini-gmp/mini-gmp.c" ]; then
    echo "build_mpfr: the unpacked sources of mpfr4 and gmp are not in $src" >&2
    exit 1
fi

# --- Build -------------------------------------------------------------------
# emcc's JavaScript optimiser needs Debian's acorn module; a Node.js from
# elsewhere does not look where Debian installs it.
export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
build=$deps/build
rm -rf "$build"
mkdir -p "$build"
log=$build/build.log
# emcc builds its system libraries into its cache the first time it links;
# inside configure's probes (its autoconf mode) that first link fails, so a
# trivial program is linked first.
echo 'int main(void) { return 0; }' > "$build/warm_cache.c"
emcc -O2 "$build/warm_cache.c" -o "$build/warm_cache.js" > "$log" 2>&1 ||
    { tail -n 30 "$log" >&2; echo "build_mpfr: emcc cannot link a program; the log is $log" >&2; exit 1; }
# No threads in the page, so no thread-local state; only the static library,
# with mini-gmp compiled into it.
if ! (cd "$build" &&
      emconfigure "$mpfr_src/configure" --host=wasm32-unknown-emscripten --prefix="$prefix" \
          --with-mini-gmp="$gmp_src/mini-gmp" --disable-shared --enable-static \
          --disable-thread-safe CFLAGS=-O2 &&
      emmake make -j "$(nproc)" -C src &&
      emmake make -C src install-libLTLIBRARIES install-includeHEADERS install-nodist_includeHEADERS) \
     >> "$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "build_mpfr: building MPFR failed; the whole log is $log" >&2
    exit 1
fi

# The GMP a consumer sees: mini-gmp, with what MPFR's own interface to it
# adds (the limb size MPFR was configured with, the random state type), and
# the switch that tells mpfr.h to leave out what only full GMP has.
numb_bits=$(sed -n 's/^DEFS = .*-DGMP_NUMB_BITS=\([0-9]*\).*/\1/p' "$build/src/Makefile")
cp "$mpfr_src/src/mpfr-mini-gmp.h" "$prefix/include/"
cat > "$prefix/include/gmp.h" <<HEADER
#ifndef ORVANE_MINI_GMP_AS_GMP_H
#define ORVANE_MINI_GMP_AS_GMP_H
#define MPFR_USE_MINI_GMP 1
#define GMP_NUMB_BITS ${numb_bits:?}
#include "mini-gmp.h"
#include "mpfr-mini-gmp.h"
#endif
HEADER
rm -f "$prefix/lib/libgmp.a"
emar rcs "$prefix/lib/libgmp.a" "$build/src/mini-gmp.o"

for f in include/mpfr.h include/gmp.h lib/libmpfr.a lib/libgmp.a; do
    [ -f "$prefix/$f" ] || { echo "build_mpfr: $prefix/$f was not installed" >&2; exit 1; }
done
touch "$stamp"
