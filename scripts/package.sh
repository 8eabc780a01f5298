#!/bin/sh
# Builds the Debian package build/tabulox_VERSION_amd64.deb: the program, the server book tool,
# the menu entry and the icon.
set -e
cd "$(dirname "$0")/.."
sh scripts/deps.sh package
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tabulox tabulox-serverbook
# An older version's package would be installed beside the new one by a wildcard.
rm -f build/tabulox_*.deb
(cd build && cpack -G DEB >/dev/null)
ls build/tabulox_*.deb
