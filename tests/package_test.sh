#!/bin/sh
# Builds the Debian package, unpacks it into a scratch root and starts the
# unpacked program on a virtual screen: it must open its window.
# Usage: package_test.sh BUILD_DIR
set -eu
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/packages" >/dev/null)
deb=$(ls "$scratch"/packages/ribi_*.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "package: no dependency on Qt widgets"; exit 1; }
dpkg -x "$deb" "$scratch/root"
for file in usr/bin/ribi usr/share/applications/bg.velorna.ribi.desktop usr/share/metainfo/bg.velorna.ribi.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/bg.velorna.ribi.png usr/share/icons/hicolor/128x128/apps/bg.velorna.ribi.png; do
    [ -f "$scratch/root/$file" ] || { echo "package: $file is missing"; exit 1; }
done

# The window's title ends in the publisher's name.
xvfb-run -a sh -c '
    "$1" & program=$!
    for attempt in 1 2 3 4 5 6 7 8 9 10; do
        sleep 0.5
        if xdotool search --name "Велорна" >/dev/null 2>&1; then kill $program; exit 0; fi
    done
    kill $program 2>/dev/null
    echo "package: the unpacked program opened no window"; exit 1
' sh "$scratch/root/usr/bin/ribi"
echo "package: $(basename "$deb") installs and starts"
