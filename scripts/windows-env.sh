# Shared by build-windows.sh and test-windows.sh (sourced, not run): where the Windows builds
# and their cache live, and how Windows programs run here (Wine).
# shellcheck shell=bash

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=${QUILLON_WINDOWS_CACHE:-$HOME/.cache/quillon-windows}
out=$repo/build/windows
triple=x86_64-w64-mingw32
toolchain=$repo/cmake/mingw-w64-x86_64.cmake

log() { printf '== %s  %s\n' "$(date +%T)" "$*"; }

as_root() {
    if ((EUID == 0)); then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages named, those not yet installed.
install_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    ((${#missing[@]} == 0)) && return
    log "installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

debian_version() { dpkg-query -W -f='${Version}' "$1"; }
upstream_version() { debian_version "$1" | sed 's/[+-].*//'; }

# Qt for Windows is the version of Debian's Qt, whose host tools (moc, uic, rcc) it uses.
qt_prefix() { printf '%s/qt-%s\n' "$cache" "$(upstream_version qt6-base-dev)"; }
sqlite_prefix() { printf '%s/sqlite-%s\n' "$cache" "$(upstream_version sqlite3)"; }
googletest_prefix() { printf '%s/googletest-%s\n' "$cache" "$(upstream_version googletest)"; }

# $out/wine-run <program.exe> [args]: runs a Windows program in the Wine prefix under $out,
# finding the Qt and MinGW runtime DLLs; CMake runs cross-built tools and tests through it.
write_wine_runner() {
    local gcc_dir
    gcc_dir=$(dirname "$("$triple-g++-posix" -print-file-name=libstdc++-6.dll)")
    mkdir -p "$out"
    cat >"$out/wine-run" <<SCRIPT
#!/bin/sh
export WINEPREFIX="$out/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# An empty WINEPATH from the caller stays empty: a staged folder must bring its own DLLs.
export WINEPATH="\${WINEPATH-Z:$(qt_prefix)/bin;Z:$gcc_dir;Z:/usr/$triple/lib}"
# A server and background services started by the program itself would hold its output pipe
# open after it ends; they start here instead, their output going nowhere.
if /usr/lib/wine/wineserver --persistent=300 </dev/null >/dev/null 2>&1; then
    /usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1
fi
exec /usr/lib/wine/wine64 "\$@"
SCRIPT
    chmod +x "$out/wine-run"
}

# The runner and a ready, running Wine prefix: the first start of a prefix and of its server
# take seconds, later programs start well under one (test discovery allows five).
prepare_wine() {
    write_wine_runner
    [[ -f $out/wine/.update-timestamp ]] || "$out/wine-run" wineboot --init >/dev/null 2>&1
    "$out/wine-run" wineboot >/dev/null 2>&1
}
