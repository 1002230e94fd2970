#!/bin/sh
# Runs a cross build's test suite under Wine, headless: the Wine prefix
# lives in the build tree (never ~/.wine) and is made once, quietly.
# Usage: scripts/wine-tests.sh BUILD_DIR 32|64 [JOBS]
set -eu
build=$(cd "$1" && pwd)
jobs=${3:-2}

loader=$("$(dirname "$0")/wine-loader.sh" "$2")
wine=${loader% *} wineserver=${loader#* }
for tool in "$wine" "$wineserver" xvfb-run; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "ribi: $tool is missing: the Windows tests need it (scripts/install-packages.sh installs it)" >&2
        exit 1
    fi
done

export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINESERVER="$wineserver"
# No Mono or Gecko: nothing here needs them, and their installers would ask.
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "ribi: preparing the Wine prefix $WINEPREFIX"
    "$wine" wineboot -i >/dev/null 2>&1 || true
    "$wineserver" -w
fi
# Xvfb has no window manager: Wine would wait for one (two seconds) every
# time a window goes, unless its windows are its own to manage.
if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    "$wineserver" -w
fi

# One Wine server for the whole run instead of one per test program.
exec xvfb-run -a sh -c '"$3" -p10 && "$2" wineboot >/dev/null 2>&1; cd "$0" && ctest -j "$1" --output-on-failure --timeout 120; status=$?; "$3" -k; exit $status' "$build" "$jobs" "$wine" "$wineserver"
