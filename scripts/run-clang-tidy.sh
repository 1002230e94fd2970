#!/bin/sh
# clang-tidy over the project's own sources, a few files at a time: the
# Linux build's files, and the Win32 binding's from the cross build when
# that build exists.
# Usage: scripts/run-clang-tidy.sh BUILD_DIR [WINDOWS_BUILD_DIR [BENCH_BUILD_DIR]]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
windows_build=${2:-build-windows}
bench_build=${3:-build-bench}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
[ -f "$build/compile_commands.json" ] || { echo "run-clang-tidy: no $build/compile_commands.json" >&2; exit 2; }

quiet() { grep -vE '^[0-9]+ warnings?( and [0-9]+ errors?)? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' || true; }
win32_sources() { git ls-files 'form/win32/*.cpp' 'tests/win32/*.cpp' window/main_win32.cpp; }

git ls-files '*.cpp' | grep -vE '^(form|tests)/win32/|main_win32|^bench/' |
    xargs -P "$(nproc)" -n 2 clang-tidy -p "$build" --quiet 2>&1 | quiet | tee -a "$log"

# The benchmarks are built only in their own build directory.
if [ -f "$bench_build/compile_commands.json" ]; then
    git ls-files 'bench/*.cpp' | xargs -P "$(nproc)" -n 2 clang-tidy -p "$bench_build" --quiet 2>&1 | quiet | tee -a "$log"
fi

if [ -f "$windows_build/compile_commands.json" ]; then
    # clang finds mingw's C++ headers only when told where they are.
    cxx=$(ls -d /usr/lib/gcc/i686-w64-mingw32/*-win32/include/c++ | tail -n 1)
    win32_sources | xargs -P "$(nproc)" -n 2 clang-tidy -p "$windows_build" --quiet \
        --extra-arg=--target=i686-w64-mingw32 --extra-arg=-isystem$cxx --extra-arg=-isystem$cxx/i686-w64-mingw32 2>&1 |
        quiet | tee -a "$log"
fi
! grep -qE '(warning|error):' "$log"
