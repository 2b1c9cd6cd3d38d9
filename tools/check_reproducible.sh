#!/usr/bin/env bash
# Builds the Debian package of a commit (the last one unless named) twice,
# from two copies of the source in two different folders (one with a space in
# its name), one after the other, with the same SOURCE_DATE_EPOCH, and
# compares the two packages byte for byte. On a difference diffoscope
# (diffoscope-minimal) shows where.
#
#   tools/check_reproducible.sh [BUILD_TYPE [COMMIT]]   # RelWithDebInfo and HEAD
#
# Uncommitted changes are not part of the check: it builds what `git archive`
# gives. The tests are not built, as they are not in the package.
set -euo pipefail
cd "$(dirname "$0")/.."
build_type=${1:-RelWithDebInfo}
commit=$(git rev-parse --short "${2:-HEAD}")
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct "$commit")}
jobs=${JOBS:-2}

scratch=$(mktemp -d /tmp/orvane-reproducible.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

build() {  # <folder>: prints the path of the package built there
    local top=$1
    mkdir -p "$top/source"
    git archive "$commit" | tar -x -C "$top/source"
    cmake -S "$top/source" -B "$top/build" -DCMAKE_BUILD_TYPE="$build_type" \
        -DBUILD_TESTING=OFF > "$top/configure.log"
    cmake --build "$top/build" -j "$jobs" > "$top/build.log"
    (cd "$top/build" && cpack -G DEB > "$top/cpack.log")
    ls "$top"/build/orvane_*.deb
}

echo "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH, build type $build_type, commit $commit"
first=$(build "$scratch/first")
echo "built $first at $(date -u +%T)"
second=$(build "$scratch/second build, elsewhere")
echo "built $second at $(date -u +%T)"
sha256sum "$first" "$second"
if cmp "$first" "$second"; then
    echo "OK: the two packages are identical"
    exit 0
fi
if command -v diffoscope >/dev/null; then
    diffoscope "$first" "$second" || true
else
    echo "install diffoscope-minimal to see where they differ" >&2
fi
exit 1
