#!/bin/sh
# Unpacks the Debian package into a scratch root and starts the unpacked
# program on a virtual screen: it must open its window, under the window
# class its menu entry names.
# Usage: package_test.sh PACKAGE_DIR
set -eu
deb=$(ls "$1"/ribi_*.deb)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
    case "$depends" in *"$package"*) ;; *) echo "package: Depends lacks $package: $depends"; exit 1 ;; esac
done

dpkg -x "$deb" "$scratch/root"
share=usr/share
for file in usr/bin/ribi $share/applications/bg.velorna.ribi.desktop $share/metainfo/bg.velorna.ribi.metainfo.xml \
    $share/doc/ribi/copyright $share/doc/ribi/changelog.gz $share/man/man1/ribi.1.gz $share/man/bg/man1/ribi.1.gz \
    $share/icons/hicolor/scalable/apps/bg.velorna.ribi.svg; do
    [ -f "$scratch/root/$file" ] || { echo "package: $file is missing"; exit 1; }
done
for size in 16 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/bg.velorna.ribi.png
    [ -f "$scratch/root/$icon" ] || { echo "package: $icon is missing"; exit 1; }
done
grep -q '^License: Expat' "$scratch/root/$share/doc/ribi/copyright" || { echo "package: copyright names no licence"; exit 1; }
zcat "$scratch/root/$share/man/bg/man1/ribi.1.gz" | grep -q '^\.SH ОПИСАНИЕ' || { echo "package: the manual page is not Bulgarian"; exit 1; }

# The window's title ends in the publisher's name; docks find the window by
# the class the menu entry gives.
window_class=$(sed -n 's/^StartupWMClass=//p' "$scratch/root/$share/applications/bg.velorna.ribi.desktop")
[ -n "$window_class" ] || { echo "package: the menu entry names no window class"; exit 1; }
# shellcheck disable=SC2016 # the inner shell expands its own arguments
xvfb-run -a sh -c '
    "$1" & program=$!
    for attempt in 1 2 3 4 5 6 7 8 9 10; do
        sleep 0.5
        if xdotool search --name "Велорна" >/dev/null 2>&1; then
            found=$(xdotool search --class "^$2\$" 2>/dev/null | head -n 1)
            kill $program
            [ -n "$found" ] && exit 0
            echo "package: the window has not the class $2 that the menu entry names"; exit 1
        fi
    done
    kill $program 2>/dev/null
    echo "package: the unpacked program opened no window"; exit 1
' sh "$scratch/root/usr/bin/ribi" "$window_class"
echo "package: $(basename "$deb") installs and starts"
