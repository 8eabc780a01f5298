#!/bin/sh
# Builds the program and starts it on its embedded database (folder build/).
set -e
cd "$(dirname "$0")/.."
sh scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tabulox
exec ./build/tabulox "$@"
