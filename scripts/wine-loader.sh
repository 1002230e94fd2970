#!/bin/sh
# Prints the Wine loader and server that run a 32- or 64-bit Windows
# program, as "LOADER SERVER": the one place that chooses them.
# 64-bit Wine is named by its own loader and server: Debian's `wine` and
# `wineserver` wrappers pick the 32-bit ones whenever they are installed,
# even on a machine that cannot run them.
# Usage: scripts/wine-loader.sh 32|64
case "${1:-}" in
32) echo "wine wineserver" ;;
64) echo "/usr/lib/wine/wine64 /usr/lib/wine/wineserver64" ;;
*) echo "wine-loader: a Windows program is 32 or 64 bits, not '${1:-}'" >&2; exit 2 ;;
esac
