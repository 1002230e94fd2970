#!/bin/sh
# clang-tidy over the project's own sources, a few files at a time: the
# Linux build's files, and the Win32 binding's from the cross build when
# that build exists.
# Usage: scripts/run-clang-tidy.sh BUILD_DIR [WINDOWS_BUILD_DIR [BENCH_BUILD_DIR [WINDOWS64_BUILD_DIR]]]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
windows_build=${2:-build-windows}
bench_build=${3:-build-bench}
windows64_build=${4:-build-windows64}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
[ -f "$build/compile_commands.json" ] || { echo "run-clang-tidy: no $build/compile_commands.json" >&2; exit 2; }

quiet() { grep -vE '^[0-9]+ warnings?( and [0-9]+ errors?)? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' || true; }
win32_sources() { git ls-files 'form/win32/*.cpp' 'tests/win32/*.cpp' window/main_win32.cpp; }

# The browser binding needs Emscripten's headers, which only its own build
# (make web) has; it is compiled there with the same warnings on.
git ls-files '*.cpp' | grep -vE '^(form|tests)/win32/|main_win32|^bench/|^form/web/|main_web' |
    xargs -P "$(nproc)" -n 2 clang-tidy -p "$build" --quiet 2>&1 | quiet | tee -a "$log"

# The benchmarks are built only in their own build directory.
if [ -f "$bench_build/compile_commands.json" ]; then
    git ls-files 'bench/*.cpp' | xargs -P "$(nproc)" -n 2 clang-tidy -p "$bench_build" --quiet 2>&1 | quiet | tee -a "$log"
fi

# Each Win32 file with the cross build that compiles it: the 32-bit one, or
# where its tests are not built (a machine that cannot run them) the 64-bit
# one. clang finds mingw's C++ headers only when told where they are.
compiled_in() { # the files, of those on standard input, in $1's compile commands
    while read -r file; do
        grep -qF "\"file\": \"$PWD/$file\"" "$1/compile_commands.json" && echo "$file"
    done
}
tidy_win32() { # BUILD_DIR TRIPLET THREAD_MODEL
    [ -f "$1/compile_commands.json" ] || return 0
    cxx=$(ls -d /usr/lib/gcc/"$2"/*-"$3"/include/c++ | tail -n 1)
    win32_sources | compiled_in "$1" | grep -vxF -f "$log.done" |
        tee -a "$log.done" | xargs -r -P "$(nproc)" -n 2 clang-tidy -p "$1" --quiet \
        --extra-arg=--target="$2" --extra-arg=-isystem"$cxx" --extra-arg=-isystem"$cxx/$2" 2>&1 |
        quiet | tee -a "$log"
}
: >"$log.done"
trap 'rm -f "$log" "$log.done"' EXIT
tidy_win32 "$windows_build" i686-w64-mingw32 win32
tidy_win32 "$windows64_build" x86_64-w64-mingw32 posix
! grep -qE '(warning|error):' "$log"
