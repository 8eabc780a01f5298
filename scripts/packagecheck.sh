#!/bin/sh
# Checks the Debian package as a shop gets it: its fields and files, then the program unpacked
# into a clean folder and started as its menu entry says, under a throwaway X display, by an
# ordinary user with a fresh home (nobody, when run as root). The program must make that user's
# book in ~/.local/share/tabulox/, write nothing beside itself and show the login form.
# Usage: sh scripts/packagecheck.sh [build/tabulox_VERSION_amd64.deb]
set -eu
cd "$(dirname "$0")/.."
sh scripts/deps.sh package

fail() {
    echo "packagecheck: FAILED: $*" >&2
    exit 1
}

if [ $# -gt 0 ]; then
    deb=$1
else
    set -- build/tabulox_*_amd64.deb
    if [ $# -ne 1 ] || [ ! -f "$1" ]; then
        fail "expected one build/tabulox_*_amd64.deb, found: $*"
    fi
    deb=$1
fi
[ -f "$deb" ] || fail "no package $deb"
started=$(date +%s)

work=$(mktemp -d)
chmod 755 "$work"
program=""
server=""
finish() {
    for pid in $program $server; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM

# The package's fields: the plugins Qt loads by name, the SQLite driver and the Thai fonts beside
# the libraries dpkg-shlibdeps found.
[ "$(dpkg-deb -f "$deb" Package)" = tabulox ] || fail "the package is not named tabulox"
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "the package is not for amd64"
depends=$(dpkg-deb -f "$deb" Depends | tr -d ' ' | tr ',' '\n' | sed 's/(.*//')
for need in qt6-qpa-plugins libqt6sql6-sqlite libpq5 fonts-thai-tlwg libqt6core6 \
    libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libxlsxwriter4; do
    echo "$depends" | grep -qx "$need" || fail "Depends does not name $need: $(dpkg-deb -f "$deb" Depends)"
done

# Its files: the two programs, the menu entry and the icon, and nothing of the tests.
root=$work/root
dpkg -x "$deb" "$root"
chmod 755 "$root"
for file in usr/bin/tabulox usr/bin/tabulox-serverbook usr/share/applications/tabulox.desktop \
    usr/share/icons/hicolor/scalable/apps/tabulox.svg; do
    [ -s "$root/$file" ] || fail "the package holds no $file"
done
for file in "$root"/usr/bin/*; do
    case ${file##*/} in
    tabulox | tabulox-serverbook) ;;
    *) fail "the package installs more programs: ${file##*/}" ;;
    esac
done
desktop=$root/usr/share/applications/tabulox.desktop
desktop-file-validate "$desktop" || fail "the menu entry is not valid"
grep -qx 'Categories=Office;Finance;' "$desktop" || fail "the menu entry is not in Office/Finance"
grep -q '^Name\[th\]=' "$desktop" || fail "the menu entry has no Thai name"
for binary in tabulox tabulox-serverbook; do
    if LC_ALL=C ldd "$root/usr/bin/$binary" | grep 'not found'; then
        fail "$binary misses libraries"
    fi
done
fc-list :lang=th family | grep -q . || fail "no Thai font is installed"

# The command of the menu entry, found in the unpacked package's bin folder.
command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[A-Za-z]//g')
[ -x "$root/usr/bin/${command%% *}" ] || fail "the menu entry starts '$command', not a program of the package"

# The user: nobody when run as root, else the one running the check, with an empty home.
home=$work/home
runtime=$work/runtime
mkdir "$home" "$runtime"
chmod 700 "$runtime"
user=""
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$home" "$runtime"
    user="setpriv --reuid=65534 --regid=65534 --clear-groups"
fi

# A throwaway X display, reached with a cookie of its own.
display=""
for n in $(seq 60 99); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=:$n
        break
    fi
done
[ -n "$display" ] || fail "no free X display number"
cookie=$work/xauthority
touch "$cookie"
xauth -q -f "$cookie" add "$display" . "$(mcookie)"
chmod 644 "$cookie"
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp -auth "$cookie" >"$work/xvfb.log" 2>&1 &
server=$!
up=0
for _ in $(seq 1 50); do
    if DISPLAY=$display XAUTHORITY=$cookie xdotool getdisplaygeometry >/dev/null 2>&1; then
        up=1
        break
    fi
    kill -0 "$server" 2>/dev/null || break
    sleep 0.2
done
[ "$up" -eq 1 ] || fail "Xvfb did not start on $display: $(cat "$work/xvfb.log")"

before=$(cd "$root" && find . | sort)
# shellcheck disable=SC2086 # $user is the command prefix or nothing
$user env -i HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 DISPLAY="$display" \
    XAUTHORITY="$cookie" PATH="$root/usr/bin:/usr/bin:/bin" $command >"$work/program.log" 2>&1 &
program=$!

data=$home/.local/share/tabulox
login=""
for _ in $(seq 1 120); do
    kill -0 "$program" 2>/dev/null || fail "the program ended at start: $(cat "$work/program.log")"
    login=$(DISPLAY=$display XAUTHORITY=$cookie xdotool search --onlyvisible --pid "$program" \
        --name 'Tabulox.*-Login' 2>/dev/null || true)
    [ -n "$login" ] && break
    sleep 0.5
done
if [ -z "$login" ]; then
    windows=""
    for window in $(DISPLAY=$display XAUTHORITY=$cookie xdotool search --pid "$program" 2>/dev/null); do
        windows="$windows [$(DISPLAY=$display XAUTHORITY=$cookie xdotool getwindowname "$window")]"
    done
    fail "no login form in 60 s; the program's windows:$windows; its output: $(cat "$work/program.log")"
fi

# The book, its first copy and the sounds are the user's; nothing lies beside the program.
after=$(cd "$root" && find . | sort)
[ "$before" = "$after" ] || fail "the program wrote beside itself: $(echo "$after" | grep -vxF "$before")"
[ -s "$data/db/tabulox.mde" ] || fail "no book in $data/db"
head -c 15 "$data/db/tabulox.mde" | grep -q 'SQLite format 3' || fail "$data/db/tabulox.mde is no book"
[ -s "$data/db/tabuloxbackup.mde" ] || fail "no first-run copy in $data/db"
set -- "$data"/sound/*.wav
if [ $# -ne 17 ] || [ ! -s "$1" ]; then
    fail "the sound files are not in $data/sound"
fi
owner=$(stat -c %u "$data/db/tabulox.mde")
[ "$owner" = "$(stat -c %u "$home")" ] || fail "the book belongs to user $owner, not to the user who started it"

who=$(id -un)
[ -z "$user" ] || who=nobody
echo "packagecheck: $deb unpacked in a clean folder; '$command' showed its login form to $who" \
    "with the book in ~/.local/share/tabulox/ ($(($(date +%s) - started)) s)"
