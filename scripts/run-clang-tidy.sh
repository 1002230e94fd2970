#!/bin/sh
# clang-tidy over the project's own sources, two files at a time.
# Usage: scripts/run-clang-tidy.sh BUILD_DIR   (a build with compile_commands.json)
set -eu
build=${1:-build}
cd "$(dirname "$0")/.."
[ -f "$build/compile_commands.json" ] || { echo "run-clang-tidy: no $build/compile_commands.json" >&2; exit 2; }
git ls-files '*.cpp' | grep -vE '^(bench|form/win32|tests/win32)/|main_win32' |
    xargs -P "$(nproc)" -n 2 clang-tidy -p "$build" --quiet 2>&1 |
    grep -vE '^[0-9]+ warnings? (generated|and [0-9]+ errors? generated)\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' |
    tee /tmp/ribi-tidy.log
! grep -qE '(warning|error):' /tmp/ribi-tidy.log
