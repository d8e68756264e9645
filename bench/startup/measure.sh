#!/usr/bin/env bash
# Start-up benchmark: time from process start to the first paint of the window, and peak memory
# (maximum resident set size), for quillon and quillon-lite side by side with an empty Qt widget
# program from the same build. Runs under its own Xvfb (and its own session bus when there is none);
# every program runs once to warm the caches, then N rounds (default 10) run each program once; the
# medians are shown. Other work on the machine moves the times: compare ratios from a quiet moment.
#
#   bench/startup/measure.sh [build-dir] [runs]      (build-dir: build/dev by default)
set -euo pipefail
# A desktop session has its message bus; without one every program would start its own.
if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:-$root/build/dev}" && pwd)"
runs="${2:-10}"

programs=(
    "empty:$build/bench/startup/quillon_empty_window"
    "quillon:$build/apps/quillon/quillon"
    "quillon-lite:$build/apps/quillon-lite/quillon-lite"
)
for entry in "${programs[@]}"; do
    if [[ ! -x "${entry#*:}" ]]; then
        echo "missing ${entry#*:}: build first (cmake --build $build)" >&2
        exit 1
    fi
done

work="$(mktemp -d)"
display=""
for n in $(seq 90 120); do
    if [[ ! -e "/tmp/.X11-unix/X$n" && ! -e "/tmp/.X$n-lock" ]]; then
        display=":$n"
        break
    fi
done
[[ -n "$display" ]] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    [[ -e "/tmp/.X11-unix/X${display#:}" ]] && break
    sleep 0.1
done
export DISPLAY="$display" QT_QPA_PLATFORM=xcb QUILLON_EXIT_AFTER_FIRST_PAINT=1

# One run: prints "<microseconds to first paint> <peak RSS in kB> <CPU microseconds to first paint>".
run_once() {
    local program="$1" start painted cpu
    start=$(date +%s%N)
    (cd "$work" && /usr/bin/time -v -o "$work/time.txt" "$program" >"$work/out.txt" 2>/dev/null)
    painted=$(awk '/^first-paint-ns/ {print $2}' "$work/out.txt")
    cpu=$(awk '/^first-paint-ns/ {print $4}' "$work/out.txt")
    if [[ -z "$painted" ]]; then
        echo "$program did not report its first paint" >&2
        exit 1
    fi
    echo "$(( (painted - start) / 1000 ))" \
        "$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")" "$cpu"
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

for entry in "${programs[@]}"; do
    run_once "${entry#*:}" >/dev/null  # warm-up: font cache, page cache
    : >"$work/${entry%%:*}.txt"
done
# Round by round, so that a busy moment of the machine falls on all programs alike.
for _ in $(seq "$runs"); do
    for entry in "${programs[@]}"; do
        run_once "${entry#*:}" >>"$work/${entry%%:*}.txt"
    done
done
declare -A time_ms rss_kb cpu_ms
for entry in "${programs[@]}"; do
    name="${entry%%:*}"
    time_ms[$name]=$(awk '{print $1 / 1000}' "$work/$name.txt" | median)
    rss_kb[$name]=$(awk '{print $2}' "$work/$name.txt" | median)
    cpu_ms[$name]=$(awk '{print $3 / 1000}' "$work/$name.txt" | median)
done

printf '%-14s %16s %8s %14s %8s %12s %8s\n' program "first paint ms" ratio "peak RSS MiB" ratio \
    "of it CPU ms" ratio
for entry in "${programs[@]}"; do
    name="${entry%%:*}"
    awk -v n="$name" -v t="${time_ms[$name]}" -v t0="${time_ms[empty]}" \
        -v r="${rss_kb[$name]}" -v r0="${rss_kb[empty]}" \
        -v c="${cpu_ms[$name]}" -v c0="${cpu_ms[empty]}" \
        'BEGIN {printf "%-14s %16.1f %7.2fx %14.1f %7.2fx %12.1f %7.2fx\n",
                n, t, t / t0, r / 1024, r / r0, c, c / c0}'
done
echo "(medians of $runs runs under Xvfb; goal: time and memory ratios at most 1.3x)"
