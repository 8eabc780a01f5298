#!/bin/sh
# Installs the Debian packages the build needs, when any is missing; with "test", those the
# tests need too; with "package", those that make the Debian package and check it installed.
# Safe to run again.
set -e
PACKAGES="g++ cmake ninja-build qt6-base-dev libqt6sql6-sqlite libpq-dev postgresql util-linux qt6-multimedia-dev libgl-dev pkgconf libxcb1-dev libxlsxwriter-dev libminizip-dev libfreexl-dev mdbtools-dev fonts-thai-tlwg"
if [ "${1:-}" = "test" ]; then
    # PDF text of the reports, a reader of the workbooks written, and writers of the sheets
    # the imports read
    PACKAGES="$PACKAGES poppler-utils python3 python3-openpyxl python3-xlwt python3-odf"
fi
if [ "${1:-}" = "package" ]; then
    # cpack's dependency list, and a throwaway X display with a reader of its windows
    PACKAGES="$PACKAGES dpkg-dev file desktop-file-utils xvfb xauth xdotool"
fi
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y $missing
fi
