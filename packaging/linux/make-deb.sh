#!/bin/sh
# Builds the Debian package from a configured build directory. Every file
# time in it is the last commit's (scripts/source-date-epoch.sh), and every
# mode is rwxr-xr-x or rw-r--r-- whoever builds it, so that the same sources
# give the same package byte for byte.
# Usage: make-deb.sh BUILD_DIR [OUTPUT_DIR]   (default BUILD_DIR/packages)
set -eu
build=$1
out=${2:-$build/packages}
case "$out" in /*) ;; *) out=$PWD/$out ;; esac
source=$(cd "$(dirname "$0")/../.." && pwd)

# CPack makes the package's directories, and the files its archives are
# made of, under the umask: a private one would make /usr/share/doc/ribi
# and the rest readable by root alone.
umask 022
cd "$build" && "$source/scripts/source-date-epoch.sh" cpack -G DEB -B "$out"
