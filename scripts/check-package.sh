#!/usr/bin/env bash
# Builds the Debian package from a build folder (default build/dev) and checks it with lintian
# (any error or warning fails; informational and pedantic tags are listed) and its installed tree
# with appstreamcli (metadata, menu entries and icons together).
#   scripts/check-package.sh [build-folder]
set -euo pipefail
build="$(realpath "${1:-build/dev}")"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
package=("$out"/quillon_*.deb)
echo "lintian $(lintian --version | cut -d' ' -f2) on ${package[0]##*/}"
# lintian refuses nothing as root but says so on stderr; keep that out of the report.
lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 "${package[0]}" \
    2> >(grep -v 'running with root privileges' >&2)
dpkg-deb -x "${package[0]}" "$out/tree"
appstreamcli validate-tree --pedantic --no-net "$out/tree"
