#!/bin/sh
# Runs lintian over the Debian package: no error or warning may remain,
# nor any hardening tag, even an informational one (a tag the package
# overrides, with its reason, does not count).
# Usage: lintian_test.sh PACKAGE_DIR
set -eu
command -v lintian >/dev/null || { echo "lintian: not installed"; exit 1; }
deb=$(ls "$1"/ribi_*.deb)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Lintian exits non-zero for errors only; the tags are what count here.
lintian --pedantic --info --display-info "$deb" >"$scratch/tags" 2>&1 || true
cat "$scratch/tags"
if grep -Eq '^[EW]: |^[IP]: [^ ]+ hardening-' "$scratch/tags"; then
    echo "lintian: $(basename "$deb") has the tags above"
    exit 1
fi
echo "lintian: $(basename "$deb") has no error, warning or hardening tag"
