#!/bin/sh
# Installs the Debian packages a make target needs, only those missing.
# Usage: scripts/install-packages.sh GROUP...   (see packages_for below)
set -eu

packages_for() {
    case "$1" in
    build) echo "cmake make g++ pkg-config" ;;
    qt) echo "qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev fonts-liberation" ;;
    tests) echo "libgtest-dev nlohmann-json3-dev python3 hunspell hunspell-bg" ;;
    checks) echo "clang-tidy clang-format" ;;
    window-tests) echo "qt6-base-private-dev xvfb xauth xdotool desktop-file-utils appstream dpkg-dev lintian" ;;
    # What a screen reader and a dark desktop theme get (tests/accessibility).
    accessibility) echo "dbus at-spi2-core python3-pyatspi orca qt6-gtk-platformtheme" ;;
    windows) echo "g++-mingw-w64-i686-win32 mingw-w64-i686-dev googletest msitools gcab python3" ;;
    # The two ways of running the Win32 tests (scripts/windows-tests.sh).
    wine32) echo "wine wine32:i386" ;;
    wine64) echo "g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine64" ;;
    bench) echo "libbenchmark-dev" ;;
    # The browser edition and its tests in three engines (WebKit's under
    # Xvfb); npm only where no node brought one.
    web) echo "emscripten googletest nlohmann-json3-dev python3 zopfli chromium firefox-esr webkit2gtk-driver xvfb xauth fonts-liberation $(command -v npm >/dev/null 2>&1 || echo npm)" ;;
    *) echo "install-packages: unknown group '$1'" >&2; exit 2 ;;
    esac
}

wanted=""
for group in "$@"; do wanted="$wanted $(packages_for "$group")"; done

missing=""
for package in $wanted; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $package" ;;
    esac
done
[ -z "$missing" ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
    echo "ribi: these Debian packages are needed but this system has no apt-get:$missing" >&2
    echo "ribi: install them with your system's package manager, then run make again." >&2
    exit 1
fi

as_root=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "ribi: installing$missing needs root, and sudo is not available." >&2
        exit 1
    fi
    as_root="sudo"
fi

case "$missing" in
*":i386"*)
    dpkg --print-foreign-architectures | grep -qx i386 || $as_root dpkg --add-architecture i386
    ;;
esac

echo "ribi: installing$missing"
export DEBIAN_FRONTEND=noninteractive
# A mirror in the middle of a sync serves index files that do not match,
# for a minute or two: the update is tried again, and then the lists that
# were read are used; the install itself says whether they were enough.
tries=1
until $as_root apt-get update -qq; do
    [ "$tries" -lt 3 ] || { echo "ribi: some package lists could not be read; going on with those that were" >&2; break; }
    tries=$((tries + 1))
    echo "ribi: the package lists could not all be read; trying again in 20 s" >&2
    sleep 20
done
# A fresh machine may still be running its own updates: wait for them.
# shellcheck disable=SC2086
$as_root apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=600 $missing
