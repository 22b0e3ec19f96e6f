#!/usr/bin/env bash
# Builds and runs every test stage: native under ASan+UBSan, native under TSan, and the
# Windows cross build under Wine. Ends with ctest's summary of each stage.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

status=0
stage() {
    local preset=$1
    echo "=== stage: $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    if [ "$preset" = windows ]; then
        bash scripts/wine-prefix.sh build/windows
    fi
    ctest --preset "$preset" -j2 || status=1
    if [ "$preset" = windows ]; then
        WINEPREFIX="$PWD/build/windows/wine" wineserver -k 2>/dev/null || true
    fi
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
stage native-asan
stage native-tsan
stage windows
exit $status
