#!/bin/bash
# Runs COMMAND... as inside a user's desktop session with assistive
# technology on: an X display of its own, a private session bus, and the
# AT-SPI bus started by at-spi-bus-launcher with accessibility enabled, as
# a desktop does when a screen reader is turned on. Nothing outside is used
# or left behind.
set -euo pipefail

# Up to 10 s for COMMAND... to succeed; else WHAT did not start.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done
    echo "in_desktop_session: $what did not start" >&2
    return 1
}

if [ "${1-}" = --in-session ]; then
    shift
    bus_has() {
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:"$1" 2>/dev/null | grep -q true
    }
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    trap 'kill "$launcher" 2>/dev/null || true' EXIT
    wait_for "the AT-SPI bus" bus_has org.a11y.Bus
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
    "$@"
    exit
fi

work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
# -noreset: the server must outlive the launcher's short X connection.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
wait_for Xvfb test -s "$work/display" || { cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=:$(cat "$work/display")
HOME=$work
export DISPLAY HOME
unset QT_QPA_PLATFORM QT_ACCESSIBILITY QT_LINUX_ACCESSIBILITY_ALWAYS_ON WAYLAND_DISPLAY

# dbus-daemon's notes about its own limits are left out of the output.
dbus-run-session -- bash "$0" --in-session "$@" 2>&1 | sed -e '/^dbus-daemon\[/d'
