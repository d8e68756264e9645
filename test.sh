#!/usr/bin/env bash
# Builds every target and runs every test. The preset is "dev" unless given: ./test.sh ci
set -euo pipefail
cd "$(dirname "$0")"
preset="${1:-dev}"
./scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
QT_QPA_PLATFORM=offscreen ctest --preset "$preset" -j2
