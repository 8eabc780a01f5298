#!/bin/sh
# Builds everything and runs every test. With --sanitize, in build-sanitize/ under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -e
cd "$(dirname "$0")/.."
sh scripts/deps.sh
dir=build
flags=""
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    flags="-DTABULOX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
cmake -S . -B "$dir" -G Ninja $flags >/dev/null
cmake --build "$dir"
cd "$dir"
ctest --output-on-failure -j2
