#!/usr/bin/env bash
# Cross-builds quillon for 64-bit Windows on Debian 12 and packs the installer and a zip.
#
#   scripts/build-windows.sh          everything: cache, programs, folder, installer, zip
#   scripts/build-windows.sh cache    only Qt and SQLite for Windows (the long part, once)
#
# Qt (qtbase) and SQLite for Windows are built once from Debian's own sources into
# QUILLON_WINDOWS_CACHE (default ~/.cache/quillon-windows) and reused; Qt's host tools (moc,
# uic, rcc) come from Debian's Qt packages of the same version. Everything the script makes in
# the repository is under build/windows/:
#   build/      the CMake build (Release)
#   quillon/    the ready folder: both programs, db1.mdb, Qt DLLs and plugins, licence
#   packages/   quillon-<version>-win64-setup.exe and quillon-<version>-win64.zip
#   wine/       the Wine prefix that runs the db1.mdb generator
# The long builds run under nice -n 19.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/windows-env.sh"

host_packages=(
    cmake ninja-build dpkg-dev tcl imagemagick nsis wine64
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    # the host tools of the Qt version cross-built below, and its Chinese translation
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
    # the SQLite version whose source is built
    sqlite3
)

# apt-get source needs deb-src lines; add them for the archive the binary packages come from.
enable_source_packages() {
    apt-get source --print-uris qt6-base >/dev/null 2>&1 && return
    log "adding deb-src lines for the Debian archive"
    local list=/etc/apt/sources.list.d/debian.sources
    if [[ -f $list ]]; then
        sed 's/^Types: deb$/Types: deb-src/' "$list" |
            as_root tee /etc/apt/sources.list.d/quillon-deb-src.sources >/dev/null
    else
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            as_root tee /etc/apt/sources.list.d/quillon-deb-src.list >/dev/null
    fi
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
}

# Unpacks Debian's source package $1 (at version $2 when given) under $cache/src; prints its folder.
fetch_source() {
    local package=$1 version=${2:-} dir
    mkdir -p "$cache/src"
    dir=$(find "$cache/src" -maxdepth 1 -type d -name "${package}-[0-9]*" | head -n1)
    if [[ -z $dir ]]; then
        (cd "$cache/src" && apt-get source -qq "${package}${version:+=$version}" >&2) || true
        dir=$(find "$cache/src" -maxdepth 1 -type d -name "${package}-[0-9]*" | head -n1)
    fi
    # Called as $(fetch_source ...), where a failure would not stop the script by itself.
    [[ -n $dir ]] || { echo "could not fetch Debian's source of $package" >&2; return 1; }
    printf '%s\n' "$dir"
}

build_qtbase() {
    local prefix src build
    prefix=$(qt_prefix)
    [[ -f $prefix/.qtbase-complete ]] && return
    src=$(fetch_source qt6-base "$(debian_version qt6-base-dev)")
    build=$cache/build/qtbase
    # A copy of the toolchain file, so that the installed Qt does not point into a worktree.
    mkdir -p "$prefix"
    cp "$toolchain" "$prefix/mingw-w64-x86_64.cmake"
    log "configuring qtbase for Windows"
    # tabletevent: Debian's source leaves out the tablet header the Windows platform plugin needs.
    # Dynamic OpenGL goes off with OpenGL: its code in the Windows platform plugin does not build
    # without OpenGL.
    nice -n 19 cmake -S "$src" -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
        -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF \
        -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF >/dev/null
    log "building qtbase (about 22 minutes on 2 idle cores)"
    nice -n 19 cmake --build "$build"
    cmake --install "$build" --strip >/dev/null
    touch "$prefix/.qtbase-complete"
    rm -rf "$build"
}

# The amalgamation (one sqlite3.c) made from Debian's source, compiled into a static library.
build_sqlite() {
    local prefix src build
    prefix=$(sqlite_prefix)
    [[ -f $prefix/.complete ]] && return
    src=$(fetch_source sqlite3 "$(debian_version sqlite3)")
    build=$cache/build/sqlite
    log "making the SQLite amalgamation and building it for Windows"
    rm -rf "$build" && mkdir -p "$build" "$prefix/include" "$prefix/lib"
    (cd "$build" && nice -n 19 "$src/configure" -q >/dev/null && nice -n 19 make -s sqlite3.c >/dev/null)
    nice -n 19 "$triple-gcc-posix" -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION \
        -c "$build/sqlite3.c" -o "$build/sqlite3.o"
    "$triple-ar" rcs "$prefix/lib/libsqlite3.a" "$build/sqlite3.o"
    cp "$build/sqlite3.h" "$prefix/include/"
    touch "$prefix/.complete"
    rm -rf "$build"
}

build_cache() {
    [[ -f $(qt_prefix)/.qtbase-complete && -f $(sqlite_prefix)/.complete ]] && return
    enable_source_packages
    build_qtbase
    build_sqlite
    # The unpacked sources (about 500 MB) are only needed again for a new Qt version.
    rm -rf "$cache/src"
    log "cache $cache: $(du -sh "$cache" | cut -f1)"
}

# configure_windows <build dir> [cmake options]: the project for Windows with Qt and SQLite from
# the cache; cross-built tools (the db1.mdb generator) and tests run under Wine.
configure_windows() {
    local build=$1
    shift
    prepare_wine
    nice cmake -S "$repo" -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$(qt_prefix)/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$out/wine-run" \
        -DSQLite3_INCLUDE_DIR="$(sqlite_prefix)/include" \
        -DSQLite3_LIBRARY="$(sqlite_prefix)/lib/libsqlite3.a" \
        -DQUILLON_BUILD_BENCHMARKS=OFF "$@" >/dev/null
}

# The project's folders (QUILLON_COMPONENTS' default) without those named.
components_without() {
    sed -n 's/^set(QUILLON_COMPONENTS "\([^"]*\)".*/\1/p' "$repo/CMakeLists.txt" | tr ';' '\n' |
        grep -v -x -F "${@/#/-e}" | paste -sd ';'
}

build_programs() {
    log "building both programs for Windows"
    configure_windows "$out/build" -DCMAKE_BUILD_TYPE=Release -DQUILLON_BUILD_TESTS=OFF \
        -DQUILLON_COMPONENTS="$(components_without bench fuzz)"
    nice cmake --build "$out/build"
}

# Every DLL a staged program or DLL imports is staged too or is part of Windows: in Wine's system
# folder, or an API set (api-ms-win-*, ext-ms-*), a name Windows' loader maps to its own DLLs.
check_folder_closure() {
    local folder=$1 system=$out/wine/drive_c/windows/system32 missing=0 dll
    while read -r dll; do
        [[ ${dll,,} == api-ms-win-* || ${dll,,} == ext-ms-* ]] && continue
        [[ -n $(find "$folder" "$system" -maxdepth 2 -iname "$dll" -print -quit) ]] && continue
        echo "missing from the folder: $dll" >&2
        missing=1
    done < <(find "$folder" \( -iname '*.exe' -o -iname '*.dll' \) -exec "$triple-objdump" -p {} + |
        sed -n 's/^\s*DLL Name: //p' | sort -u)
    return $missing
}

stage_folder() {
    local folder=$out/quillon
    log "staging $folder"
    rm -rf "$folder"
    cmake --install "$out/build" --prefix "$folder" --strip >/dev/null
    check_folder_closure "$folder"
}

make_packages() {
    log "making the installer and the zip"
    rm -rf "$out/packages"
    (cd "$out/build" && nice cpack -B "$out/packages" >/dev/null)
    rm -rf "$out/packages/_CPack_Packages"
    ls -l "$out/packages"
}

main() {
    install_packages "${host_packages[@]}"
    build_cache
    [[ ${1:-all} == cache ]] && return
    build_programs
    stage_folder
    make_packages
}

# Sourced by test-windows.sh for its functions; run, it builds.
if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
    main "$@"
fi
