#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing quillon need.
# Does nothing when all of them are present, so it is cheap to call before every build.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkgconf
    # window toolkit, tolerance store, tests, benchmarks
    qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-translations-l10n
    libsqlite3-dev sqlite3 libgtest-dev libgmock-dev libbenchmark-dev
    # fonts the windows map 宋体, Courier New, Verdana and Tahoma to
    fonts-arphic-uming fonts-wqy-zenhei fonts-liberation fonts-dejavu-core
    # headless runs: screenshots, PDF checks, the accessibility bus
    xvfb xauth xdotool imagemagick poppler-utils time
    at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus
    # the package and what it ships: dpkg-shlibdeps, lintian, AppStream, desktop entries, manuals
    dpkg-dev lintian appstream desktop-file-utils mandoc man-db gzip
    # independent DXF and SVG readers for the profile drawing tests
    python3-ezdxf python3-svgelements
)
if [[ "${QUILLON_WITH_CLANG:-0}" == 1 ]]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]} == 0)) && exit 0

sudo=()
((EUID == 0)) || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
