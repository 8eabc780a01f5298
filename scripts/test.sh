#!/bin/sh
# Builds everything and runs every test. With --sanitize, in build-sanitize/ under
# AddressSanitizer and UndefinedBehaviorSanitizer. The PostgreSQL half of the tests runs on the
# server named by TABULOX_TEST_PG, or on a throwaway one started here on a loopback port.
set -e
cd "$(dirname "$0")/.."
root=$(pwd)
sh scripts/deps.sh test
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

if [ -z "${TABULOX_TEST_PG:-}" ]; then
    folder=$(mktemp -d)
    stop_server() {
        sh "$root/scripts/pgserver.sh" stop "$folder" >/dev/null 2>&1 || true
        rm -rf "$folder"
    }
    trap stop_server EXIT
    trap 'exit 1' INT TERM
    address=""
    for try in 1 2 3 4 5; do
        port=$((40000 + $(od -An -N2 -tu2 /dev/urandom) % 20000))
        if address=$(sh scripts/pgserver.sh start "$folder" "$port"); then
            break
        fi
        address=""
    done
    if [ -z "$address" ]; then
        echo "the test server did not start" >&2
        cat "$folder/server.log" >&2 || true
        exit 1
    fi
    TABULOX_TEST_PG=$address
    export TABULOX_TEST_PG
fi

cd "$dir"
ctest --output-on-failure -j2
