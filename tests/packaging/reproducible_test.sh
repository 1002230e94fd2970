#!/bin/sh
# Builds the Debian package twice from the same sources, a little apart and
# with the compressed documents made afresh, and compares the two: they must
# be the same byte for byte.
# Usage: reproducible_test.sh SOURCE_DIR BUILD_DIR
set -eu
source=$1
build=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$source/packaging/linux/make-deb.sh" "$build" "$scratch/first" >/dev/null
sleep 1.1 # a file time taken from the clock would now differ
rm -rf "$build/docs" # the gzipped changelog and manual pages (cmake/linux_qt.cmake)
"$source/packaging/linux/make-deb.sh" "$build" "$scratch/second" >/dev/null

first=$(sha256sum "$scratch"/first/ribi_*.deb | cut -d' ' -f1)
second=$(sha256sum "$scratch"/second/ribi_*.deb | cut -d' ' -f1)
echo "reproducible: first  $first"
echo "reproducible: second $second"
if [ "$first" != "$second" ]; then
    for build in first second; do
        dpkg-deb -c "$scratch"/$build/ribi_*.deb >"$scratch/$build.list"
        (cd "$scratch/$build" && ar t ribi_*.deb && mkdir x && dpkg -x ribi_*.deb x &&
            find x -type f -exec sha256sum {} + | sort -k2) >>"$scratch/$build.list"
    done
    diff "$scratch/first.list" "$scratch/second.list" || true
    echo "reproducible: the two packages differ"
    exit 1
fi
