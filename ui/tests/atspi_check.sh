#!/usr/bin/env bash
# Drives a program through the accessibility bus, as a screen reader or a black-box test tool does:
# every field is read by its name, the editable ones are typed into, a list entry is picked, the
# buttons are pressed and a message box is read and closed.
#
#   ui/tests/atspi_check.sh build/dev/apps/quillon/quillon
#   ui/tests/atspi_check.sh build/dev/apps/quillon-lite/quillon-lite lite
#
# Needs: xvfb xauth at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus (and xdotool for the pointer).
set -euo pipefail
program=$(realpath "$1")
edition=${2:-tolerance}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
chmod 700 "$work"
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[$i]}" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
pids+=($!)
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" &
pids+=($!)
until [ -s "$work/bus" ]; do sleep 0.1; done
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
export XDG_RUNTIME_DIR=$work
GSETTINGS_BACKEND=memory /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 &
pids+=($!)
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; do
    sleep 0.1
done

# The programs may write a report into the working directory; keep that out of the tree.
(cd "$work" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$program") &
pids+=($!)
sleep 2
# Key events go to the window under the pointer (there is no window manager).
xdotool mousemove 512 384 2>/dev/null || true
/usr/bin/python3 "$here/atspi_check.py" "$(basename "$program")" "$edition"
