#!/usr/bin/env bash
# Refreshes the README's pictures of both windows: starts quillon and quillon-lite one after the
# other on a private Xvfb display, calculates the example z = 20 (xdotool), grabs the screen
# (ImageMagick import) and crops it to the window. Writes docs/quillon.png and docs/quillon-lite.png,
# then opens the details window from the window menu: docs/<program>-inspection.png (the example),
# docs/<program>-designation.png (a designation from a drawing applied) and
# docs/<program>-profile.png (the profile page of that spline).
#
#   scripts/screenshots.sh [build-dir]     (default build/dev, configured and built when needed)
set -euo pipefail
# Without a session bus each program would start one of its own for the private display.
if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build="${1:-build/dev}"

programs=("apps/quillon/quillon" "apps/quillon-lite/quillon-lite")
for program in "${programs[@]}"; do
    if [[ ! -x "$build/$program" ]]; then
        if [[ "$build" != build/dev ]]; then
            echo "missing $build/$program: build it first" >&2
            exit 1
        fi
        ./scripts/install-deps.sh
        cmake --preset dev >/dev/null
        cmake --build --preset dev --target quillon quillon-lite
        break
    fi
done

display=""
for n in $(seq 80 120); do
    if [[ ! -e "/tmp/.X11-unix/X$n" && ! -e "/tmp/.X$n-lock" ]]; then
        display=":$n"
        break
    fi
done
[[ -n "$display" ]] || { echo "no free X display number" >&2; exit 1; }
# A white root window, so the rounded corners of the frameless window stand on white.
# Wide enough for the details window beside the main window.
Xvfb "$display" -screen 0 1280x800x24 -wr -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program_pid=""
cleanup() {
    if [[ -n "$program_pid" ]]; then
        kill "$program_pid" 2>/dev/null || true
    fi
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do
    [[ -e "/tmp/.X11-unix/X${display#:}" ]] && break
    sleep 0.1
done
export DISPLAY="$display" QT_QPA_PLATFORM=xcb

# Where the z field stands in each window (pixels from its top-left corner).
z_field_x=139
declare -A z_field_y=([quillon]=59 [quillon-lite]=51)

mkdir -p docs
for program in "${programs[@]}"; do
    name="$(basename "$program")"
    (cd "$(dirname "$build/$program")" && exec "./$name") >/dev/null 2>&1 &
    program_pid=$!
    # Wait for the window to be mapped, then for it to settle (first paint, fonts).
    geometry=""
    id=$(timeout 10 xdotool search --sync --onlyvisible --pid "$program_pid" 2>/dev/null |
        head -n 1) || true
    if [[ -n "$id" ]]; then
        eval "$(xdotool getwindowgeometry --shell "$id")"
        x=$X y=$Y
        geometry="${WIDTH}x${HEIGHT}+${x}+${y}"
    fi
    [[ -n "$geometry" ]] || { echo "$name showed no window" >&2; exit 1; }
    sleep 1
    # The example of a calculation: z = 20 with the other defaults, then "更新数据".
    xdotool mousemove $((x + z_field_x)) $((y + z_field_y[$name])) click 1 key ctrl+a type 20
    xdotool mousemove $((x + 415)) $((y + 44)) click 1 mousemove 0 0
    sleep 0.5
    import -window root -crop "$geometry" +repage "docs/$name.png"
    echo "docs/$name.png ($geometry)"
    # The window menu opens on the icon at the left of the title strip.
    xdotool mousemove $((x + 13)) $((y + 10)) click 1 sleep 0.5 key Down Down Return
    details=$(timeout 10 xdotool search --sync --onlyvisible --name "花键详情" | head -n 1) || true
    [[ -n "$details" ]] || { echo "$name showed no details window" >&2; exit 1; }
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$details")"
    details_geometry="${WIDTH}x${HEIGHT}+${X}+${Y}"
    import -window root -crop "$details_geometry" +repage "docs/$name-inspection.png"
    xdotool mousemove $((x + 13)) $((y + 10)) click 1 sleep 0.5 key Down Down Down Return sleep 0.5
    xdotool type "DIN 5480 - W 120 x 3 x 30 x 38 x 8f"
    xdotool key Return mousemove 0 0
    sleep 0.5
    import -window root -crop "$details_geometry" +repage "docs/$name-designation.png"
    echo "docs/$name-inspection.png docs/$name-designation.png ($details_geometry)"
    # The profile page of that spline; the window grows for the drawing.
    xdotool mousemove $((x + 13)) $((y + 10)) click 1 sleep 0.5 key Down Return mousemove 0 0
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$details")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "docs/$name-profile.png"
    echo "docs/$name-profile.png"
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
done
