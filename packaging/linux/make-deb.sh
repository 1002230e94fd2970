#!/bin/sh
# Builds the Debian package from a configured build directory. Every file
# time in it is the last commit's (SOURCE_DATE_EPOCH, unless already set;
# outside git, the changelog's date), so the same sources give the same
# package byte for byte.
# Usage: make-deb.sh BUILD_DIR [OUTPUT_DIR]   (default BUILD_DIR/packages)
set -eu
build=$1
out=${2:-$build/packages}
case "$out" in /*) ;; *) out=$PWD/$out ;; esac
source=$(cd "$(dirname "$0")/../.." && pwd)

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct 2>/dev/null) ||
        SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$source/packaging/linux/changelog" -S Timestamp)
fi
export SOURCE_DATE_EPOCH
cd "$build" && cpack -G DEB -B "$out"
