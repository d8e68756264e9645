#!/usr/bin/env bash
# Builds every target and runs every test. The preset is "dev" unless given: ./test.sh ci
# Under CI=true the whole suite runs a second time with AddressSanitizer + UBSan (preset asan).
set -euo pipefail
cd "$(dirname "$0")"
preset="${1:-dev}"
./scripts/install-deps.sh

build_and_test() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
    QT_QPA_PLATFORM=offscreen ctest --preset "$1" -j2
}

build_and_test "$preset"
if [[ "${CI:-}" == true && "$preset" != asan ]]; then
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/cmake/sanitizers/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    build_and_test asan
fi
