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

# Each copy is built as `make package` builds, in build/ inside the source:
# moc's generated files include the headers by their path relative to the
# build folder, so that place is part of what the package is made from.
build() {  # <source folder>: prints the path of the package built there
    local source=$1
    mkdir -p "$source"
    git archive "$commit" | tar -x -C "$source"
    {
        cmake -S "$source" -B "$source/build" -DCMAKE_BUILD_TYPE="$build_type" -DBUILD_TESTING=OFF &&
            cmake --build "$source/build" -j "$jobs" &&
            (cd "$source/build" && cpack -G DEB)
    } > "$source/build.log" 2>&1 || { tail -n 30 "$source/build.log" >&2; return 1; }
    ls "$source"/build/orvane_*.deb
}

echo "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH, build type $build_type, commit $commit"
first=$(build "$scratch/first/orvane") || exit 1
echo "built $first at $(date -u +%T)"
second=$(build "$scratch/second build, elsewhere/orvane") || exit 1
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
