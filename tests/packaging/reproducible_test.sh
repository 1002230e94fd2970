#!/bin/sh
# Builds the Debian package again from the same sources, a little later and
# with the compressed documents made afresh, and compares it with the one
# built before: they must be the same byte for byte.
# Usage: reproducible_test.sh BUILD_DIR PACKAGE_DIR
set -eu
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mkdir "$scratch/first"
cp "$2"/ribi_*.deb "$scratch/first/"
sleep 1.1 # a file time taken from the clock would now differ
rm -rf "$build/docs" # the gzipped changelog and manual pages (packaging/linux/package.cmake)
"$(dirname "$0")/../../packaging/linux/make-deb.sh" "$build" "$scratch/second" >/dev/null

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
