#!/usr/bin/env bash
# Builds and starts quillon (tolerance edition); "./run.sh lite" starts quillon-lite.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
case "${1:-}" in
    "") exec build/dev/apps/quillon/quillon ;;
    lite) exec build/dev/apps/quillon-lite/quillon-lite ;;
    *) echo "usage: ./run.sh [lite]" >&2; exit 2 ;;
esac
