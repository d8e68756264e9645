#!/usr/bin/env bash
# Tests the Windows build under Wine (not part of CI: the first run builds Qt for Windows).
#   1. the test suites of the libraries without windows (engine, geometry, tolerance, report),
#      cross-built with GoogleTest built from Debian's googletest sources, run under Wine;
#   2. both programs of the staged folder (scripts/build-windows.sh) started under Wine on a
#      private Xvfb display until their first paint (QUILLON_EXIT_AFTER_FIRST_PAINT=1);
#   3. each window again: calculates z = 20 and is photographed (build/windows/shots/);
#   4. quillon writes its report through the Windows save dialog: the file must be, byte for
#      byte, the GBK text with CR LF line ends that the Linux build writes for z = 20
#      (scripts/testdata/quillon-z20-report.txt), and Notepad's font must be in the registry;
#   5. the window follows a drag of its title strip, and paints at 150 % (144 dpi);
#   6. the zip holds exactly the files of the ready folder; the installer, run silently,
#      installs them with Start-menu entries and an Apps entry, the program installed paints its
#      window, and the uninstaller removes it all.
#
#   scripts/test-windows.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-windows.sh"

test_packages=(googletest xvfb xauth xdotool imagemagick p7zip-full)

build_googletest() {
    local prefix build
    prefix=$(googletest_prefix)
    [[ -f $prefix/.complete ]] && return
    build=$cache/build/googletest
    log "building GoogleTest for Windows"
    nice -n 19 cmake -S /usr/src/googletest -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
    nice -n 19 cmake --build "$build"
    cmake --install "$build" >/dev/null
    touch "$prefix/.complete"
    rm -rf "$build"
}

run_test_suites() {
    log "building the tests of the libraries without windows (engine, tolerance, report...) for Windows"
    configure_windows "$out/tests" -DCMAKE_BUILD_TYPE=Release -DQUILLON_BUILD_TESTS=ON \
        -DQUILLON_COMPONENTS="$(components_without controls ui apps packaging bench fuzz)" \
        -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
        -DGTest_DIR="$(googletest_prefix)/lib/cmake/GTest"
    nice cmake --build "$out/tests"
    log "running them under Wine"
    prepare_wine
    ctest --test-dir "$out/tests" --output-on-failure -j2
}

# The files (not folders) in an archive 7-Zip reads, with "/" between folders, sorted (the
# entries follow the line of dashes).
archive_files() {
    7z l -slt "$1" | awk -F' = ' '
        /^----------$/ { listing = 1; next }
        !listing { next }
        /^Path = / { if (path != "" && !folder) print path; path = $2; folder = 0 }
        /^Folder = \+/ { folder = 1 }
        END { if (path != "" && !folder) print path }' | tr '\\' / | sort
}

quillon_version=$(sed -n 's/^project(quillon VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")

# The files under a folder, with "/" between folders, sorted.
folder_files() { (cd "$1" && find . -type f | sed 's|^\./||' | sort); }

check_zip() {
    diff <(folder_files "$out/quillon") <(archive_files "$out/packages/quillon-$quillon_version-win64.zip" |
        sed 's|^[^/]*/||') || { echo "the zip's files differ from the folder's" >&2; return 1; }
    echo "the zip holds the files of the folder"
}

# The installer run silently (/S) as Wine's user, an administrator: the folder's files and the
# uninstaller under Program Files, the Start-menu entries of every user, the Apps entry; the
# program installed paints its window; the uninstaller leaves none of it behind.
check_installer() {
    local drive=$out/wine/drive_c key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\quillon'
    local installed=$drive/Program\ Files/quillon
    local menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/渐开线花键计算"
    WINEPATH= "$out/wine-run" "$out/packages/quillon-$quillon_version-win64-setup.exe" /S
    diff <({ folder_files "$out/quillon"; echo Uninstall.exe; } | sort) <(folder_files "$installed") ||
        { echo "the installed files differ from the folder's" >&2; return 1; }
    local entry target
    for entry in 渐开线花键计算:quillon.exe 渐开线花键计算（简化版）:quillon-lite.exe Uninstall:Uninstall.exe; do
        target=$(strings -el "$menu/${entry%%:*}.lnk" 2>/dev/null | grep -i -m1 '\.exe$') || true
        [[ $target == "${entry#*:}" ]] ||
            { echo "no Start-menu entry ${entry%%:*} for ${entry#*:}" >&2; return 1; }
    done
    wine_reg query "$key" /v DisplayVersion | grep -q "REG_SZ *$quillon_version" ||
        { echo "no Apps entry for quillon $quillon_version" >&2; return 1; }
    echo "installed: the folder's files, three Start-menu entries, the Apps entry"
    check_first_paint quillon "$installed"
    WINEPATH= "$out/wine-run" "$installed/Uninstall.exe" /S
    # The uninstaller runs on as a copy of itself; wait for it to finish.
    for _ in $(seq 100); do
        [[ -e $installed || -e $menu ]] || break
        sleep 0.2
    done
    [[ ! -e $installed && ! -e $menu ]] && ! wine_reg query "$key" >/dev/null 2>&1 ||
        { echo "the uninstaller left parts of quillon behind" >&2; return 1; }
    echo "uninstalled: nothing left"
}

xvfb_pid=""
program_pid=""
stop_programs() {
    WINEPREFIX=$out/wine /usr/lib/wine/wineserver -k 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
}

start_display() {
    local n
    for n in $(seq 80 120); do
        if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
            # A white root window, so the rounded corners stand on white.
            Xvfb ":$n" -screen 0 1024x768x24 -wr -nolisten tcp >/dev/null 2>&1 &
            xvfb_pid=$!
            export DISPLAY=":$n"
            for _ in $(seq 50); do
                [[ -e /tmp/.X11-unix/X$n ]] && return
                sleep 0.1
            done
        fi
    done
    echo "no free X display" >&2
    return 1
}

# Runs a program of the ready folder (or of the folder named) under Wine with only that folder's
# own DLLs (no WINEPATH) until its first paint.
check_first_paint() {
    local program=$1 folder=${2:-$out/quillon} output
    output=$(QUILLON_EXIT_AFTER_FIRST_PAINT=1 timeout 120 \
        env -C "$folder" WINEPATH= "$out/wine-run" "$program.exe" 2>/dev/null) ||
        { echo "$program.exe did not paint its window under Wine" >&2; return 1; }
    echo "$program.exe painted its window and ended ${output:+($output)}"
}

# Where the z field and the buttons stand in each window (pixels from its top-left corner).
z_field_x=139
declare -A z_field_y=([quillon]=59 [quillon-lite]=51)
calculate_x=415 calculate_y=44

# The window of the one program running (both titles begin so).
program_window() {
    timeout 60 xdotool search --sync --onlyvisible --name '^DIN5480 ' 2>/dev/null | head -n 1
}

# photograph <program> [<picture> <scale %>]: starts the program, calculates z = 20 and
# photographs the window into shots/<picture>.png; leaves it running.
photograph() {
    local program=$1 picture=${2:-$1} scale=${3:-100} id
    # Started here, not through a function, so that $! is the Windows program itself.
    env -C "$out/quillon" WINEPATH= "$out/wine-run" "$program.exe" >/dev/null 2>&1 &
    program_pid=$!
    id=$(program_window) || true
    [[ -n $id ]] || { echo "$program.exe showed no window" >&2; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$id")"
    window_id=$id window_x=$X window_y=$Y
    sleep 2
    xdotool mousemove $((X + z_field_x * scale / 100)) $((Y + z_field_y[$program] * scale / 100)) \
        click 1 key ctrl+a type 20
    xdotool mousemove $((X + calculate_x * scale / 100)) $((Y + calculate_y * scale / 100)) \
        click 1 mousemove 0 0
    sleep 1
    mkdir -p "$out/shots"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/shots/$picture.png"
    echo "$out/shots/$picture.png (${WIDTH}x${HEIGHT})"
}

# Runs Wine's reg.exe in the test prefix.
wine_reg() { WINEPATH="" "$out/wine-run" reg "$@"; }

# "导出参数" with the window showing z = 20; the file is typed into the Windows save dialog.
check_report() {
    local report=$out/shots/reporter.txt expected=$repo/scripts/testdata/quillon-z20-report.txt
    rm -f "$report"
    wine_reg delete 'HKCU\Software\Microsoft\Notepad' /f >/dev/null 2>&1 || true
    xdotool mousemove $((window_x + 415)) $((window_y + 110)) click 1
    timeout 30 xdotool search --sync --onlyvisible --name "计算报告输出" >/dev/null ||
        { echo "no save dialog" >&2; return 1; }
    sleep 1
    # Wine's file name box selects all by End, Shift+Home (not by Ctrl+A).
    xdotool key End shift+Home type "Z:${report//\//\\}"
    xdotool key Return
    for _ in $(seq 100); do
        [[ -s $report ]] && break
        sleep 0.1
    done
    cmp "$report" "$expected" || { echo "the report differs from $expected" >&2; return 1; }
    echo "report written under Wine: GBK, CR LF, byte for byte as expected"
    wine_reg query 'HKCU\Software\Microsoft\Notepad' | tr -d '\r' |
        grep -E 'lfFaceName +REG_SZ +Courier New|iPointSize +REG_DWORD +0x4b' | wc -l |
        grep -qx 2 || { echo "Notepad's font is not in the registry" >&2; return 1; }
    echo "Notepad's font in the registry: Courier New, 7.5 pt"
}

# Drags the window by its title strip and checks that it followed.
check_drag() {
    local id=$1 from_x=$window_x from_y=$window_y
    xdotool mousemove $((from_x + 200)) $((from_y + 8)) mousedown 1
    # The system's move loop takes the pointer where it finds it when it starts: let it start.
    sleep 0.5
    for step in 1 2 3 4 5; do
        xdotool mousemove $((from_x + 200 + 20 * step)) $((from_y + 8 + 10 * step))
        sleep 0.1
    done
    # The button is let go where the last move ended, once the window had time to follow it.
    sleep 0.5
    xdotool mouseup 1
    for _ in $(seq 25); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        ((X == from_x + 100 && Y == from_y + 50)) && break
        sleep 0.2
    done
    ((X == from_x + 100 && Y == from_y + 50)) ||
        { echo "the window did not follow the drag: $X,$Y from $from_x,$from_y" >&2; return 1; }
    echo "the window followed a drag of its title strip"
}

finish_program() {
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
    for _ in $(seq 50); do
        [[ -z $(xdotool search --onlyvisible --name '^DIN5480 ' 2>/dev/null) ]] && return
        sleep 0.2
    done
    echo "the window stayed after its program was ended" >&2
    return 1
}

main_tests() {
    install_packages "${host_packages[@]}" "${test_packages[@]}"
    "$repo/scripts/build-windows.sh"
    check_zip
    build_googletest
    run_test_suites
    trap stop_programs EXIT
    start_display
    local program
    for program in quillon quillon-lite; do
        check_first_paint "$program"
    done
    photograph quillon
    check_report
    check_drag "$window_id"
    finish_program
    photograph quillon-lite
    finish_program
    # High-DPI awareness: at 144 dpi the window must grow by half, not be blurred or cut.
    wine_reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
    photograph quillon quillon-144dpi 150
    finish_program
    wine_reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null
    check_installer
}

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    main_tests "$@"
fi
