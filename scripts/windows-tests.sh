#!/bin/sh
# Runs the Win32 tests the way this machine allows, and says which way.
# Where it can run 32-bit programs: the shipped 32-bit build under 32-bit
# Wine. Where it cannot (a kernel without IA-32 emulation), 32-bit Wine
# cannot start, so the same sources are built for x86_64 and run under
# wine64, and the 32-bit program gets the checks that need no Wine.
# Usage: scripts/windows-tests.sh auto|32|64 BUILD32 BUILD64 JOBS
set -eu
way=$1 build32=$2 build64=$3 jobs=$4
cd "$(dirname "$0")/.."

if [ "$way" = auto ]; then
    # 32-bit Wine comes from the i386 archive, which a mirror may fail to
    # serve: then the machine allows the 64-bit way alone.
    if scripts/can-run-32bit.sh && scripts/install-packages.sh wine32 window-tests; then
        way=32 why="this machine can run 32-bit programs"
    elif scripts/can-run-32bit.sh; then
        way=64 why="32-bit Wine could not be installed"
    else
        way=64 why="this machine cannot run 32-bit programs"
    fi
else
    why="chosen with WINDOWS_TESTS=$way"
fi

case "$way" in
32)
    if ! scripts/can-run-32bit.sh; then
        echo "ribi: WINDOWS_TESTS=32, but this machine cannot run 32-bit programs (its kernel refuses them: Exec format error), so 32-bit Wine cannot start; use WINDOWS_TESTS=64" >&2
        exit 1
    fi
    echo "ribi: Windows tests: 32-bit build under 32-bit Wine ($why)"
    scripts/install-packages.sh wine32 window-tests
    cmake -S . -B "$build32" -DRIBI_WINE_TESTS=ON >/dev/null
    cmake --build "$build32" -j "$jobs"
    exec scripts/wine-tests.sh "$build32" 32 "$jobs"
    ;;
64)
    echo "ribi: Windows tests: 64-bit build under wine64 ($why); the 32-bit program's own checks without Wine"
    scripts/install-packages.sh wine64 window-tests
    cmake -S . -B "$build32" -DRIBI_WINE_TESTS=OFF >/dev/null
    cmake --build "$build32" -j "$jobs"
    (cd "$build32" && ctest -j "$jobs" --output-on-failure --timeout 120)
    cmake -S . -B "$build64" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build64" -j "$jobs"
    exec scripts/wine-tests.sh "$build64" 64 "$jobs"
    ;;
*)
    echo "ribi: WINDOWS_TESTS must be auto, 32 or 64, not '$way'" >&2
    exit 2
    ;;
esac
