#!/usr/bin/env bash
# The Debian package as a user gets it: `apt-get install ./tintwell_*.deb`,
# then /usr/bin/tintwell started by an ordinary user with a fresh home. The
# program folder is read-only to that user, so the palettes go under the
# user's data folder; the help companions start from the installed folder;
# the desktop entry's Exec line starts the program too. `apt-get purge` then
# leaves the machine's packages as they were, also when a check fails.
PROGRAM=$1 XTOOL=$2
source "$(dirname "$0")/lib.sh"

skip() {
    echo "SKIP: $*"
    exit 77
}
build_dir=$(cd "$(dirname "$(dirname "$PROGRAM")")" && pwd)
command -v dpkg >/dev/null && command -v apt-get >/dev/null || skip "not a Debian system (no dpkg, apt-get)"
deb_name=tintwell_1.0_$(dpkg --print-architecture).deb
[ -f "$build_dir/$deb_name" ] || skip "no package at $build_dir/$deb_name (the package_build test makes it)"

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    as_root=(sudo -n)
else
    skip "installing a package needs root or sudo without a password"
fi
# Test runs of other clones on this machine install the same package: one
# at a time, machine-wide (ctest's resource lock holds within one run only).
lock=/tmp/tintwell-package-test.lock
exec 9>>"$lock" 2>/dev/null || exec 9<"$lock"
flock -w 600 9 || fail "another package test holds $lock"
if dpkg-query -W -f='${Status}' tintwell 2>/dev/null | grep -q 'ok installed'; then
    skip "tintwell is already installed on this machine; this test leaves that installation alone"
fi
[ ! -e /usr/lib/tintwell ] || skip "/usr/lib/tintwell exists without the package; not touching it"

# The ordinary user: nobody, with a fresh home of its own.
user_id=65534
group_id=$(id -g "$user_id" 2>/dev/null) || skip "no user $user_id on this machine"
user_home=$(mktemp -d /tmp/tintwell-home.XXXXXX)
mkdir -p "$user_home/runtime" "$user_home/bin"
chmod 700 "$user_home/runtime"
opened=$user_home/opened.log
fake_xdg_open "$user_home/bin" "$opened"
"${as_root[@]}" chown -R "$user_id:$group_id" "$user_home"
as_user=("${as_root[@]}" setpriv --reuid="$user_id" --regid="$group_id" --clear-groups
    env -i HOME="$user_home" USER=nobody LOGNAME=nobody PATH="$user_home/bin:/usr/bin:/bin"
    DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0
    XDG_RUNTIME_DIR="$user_home/runtime")
# The settings store and data folder are the user's defaults under the home.
XDG_CONFIG_HOME=$user_home/.config
palettes=$user_home/.local/share/tintwell/MyPalettes

installed_packages() {
    dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 ~ /^.i/ { print $2 }' | sort
}
apt_get() {
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get -y -q -o DPkg::Lock::Timeout=300 "$@" \
        >>"$E2E_WORK/apt.log" 2>&1 || { cat "$E2E_WORK/apt.log" >&2; return 1; }
}
installed_packages >"$E2E_WORK/packages.before"

# Purges tintwell and whatever its install pulled in besides.
installed=""
purge_package() {
    installed=""
    apt_get purge tintwell || return 1
    local extra
    mapfile -t extra < <(installed_packages | comm -13 "$E2E_WORK/packages.before" -)
    [ ${#extra[@]} -eq 0 ] || apt_get purge "${extra[@]}"
}

tips_pid=""
package_cleanup() {
    # The programs this test started, the tips window included.
    for p in "$E2E_PID" "$tips_pid"; do
        [ -n "$p" ] && "${as_root[@]}" kill "$p" 2>/dev/null || true
    done
    e2e_cleanup
    [ -z "$installed" ] || purge_package || true
    "${as_root[@]}" rm -rf "$user_home"
}
trap package_cleanup EXIT

# ---- Install, as a user would --------------------------------------------------
# Without the recommended xdg-utils: the test brings its own stand-in, and
# must not depend on the network.
installed=yes
(cd "$build_dir/.." && apt_get install --no-install-recommends "./$(basename "$build_dir")/$deb_name") ||
    fail "apt-get install failed"
dpkg-query -W -f='${Status}' tintwell | grep -q 'ok installed' || fail "tintwell is not installed"
[ "$(readlink -f /usr/bin/tintwell)" = /usr/lib/tintwell/tintwell ] || fail "launcher: $(readlink -f /usr/bin/tintwell)"
! "${as_user[@]}" test -w /usr/lib/tintwell || fail "the program folder is writable by the user"
entry=/usr/share/applications/io.github.tintwell.Tintwell.desktop
[ -f "$entry" ] || fail "no desktop entry at $entry"

# ---- /usr/bin/tintwell as an ordinary user ------------------------------------------
start_installed() {
    (cd / && exec "${as_user[@]}" "$@" >>"$E2E_WORK/program.log" 2>&1 9>&-) &
    E2E_PID=$!
}
start_installed /usr/bin/tintwell
win=$(wait_window '^Tintwell V1.0$')
read -r WX WY < <(window_origin "$win")
sleep 0.5
pid=$(xdotool getwindowpid "$win")
[ "$(readlink -f "/proc/$pid/exe")" = /usr/lib/tintwell/tintwell ] || fail "the window belongs to $(readlink -f "/proc/$pid/exe")"
[ "$(stat -c %u "/proc/$pid")" = "$user_id" ] || fail "the program runs as user $(stat -c %u "/proc/$pid")"
# The icon theme's icon, for taskbars and window switchers.
xprop -id "$win" _NET_WM_ICON >"$E2E_WORK/icon.txt"
grep -q '^_NET_WM_ICON(CARDINAL) = .*Icon (' "$E2E_WORK/icon.txt" || fail "the window has no icon: $(head -c 200 "$E2E_WORK/icon.txt")"

wait_for "the first run's settings" test -s "$(store_file)"
[ "$(store_value appPath)" = /usr/lib/tintwell/ ] || fail "appPath: $(store_value appPath)"
[ "$(store_value reg_paletteFolder)" = "$palettes" ] || fail "palette folder: $(store_value reg_paletteFolder)"
[ -d "$palettes" ] || fail "no palette folder at $palettes"
[ ! -e /usr/lib/tintwell/MyPalettes ] || fail "a palette folder appeared in /usr/lib/tintwell"

# A palette saved through the window lands in the user's palette folder.
add_colour
save_from_file_menu
dialog=$(wait_window '^Save Palette$' 10)
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "Installed"
xdotool key Return
wait_for "the saved palette" test -f "$palettes/Installed.dat"
printf '255\t0\t0\r\n' | cmp -s - "$palettes/Installed.dat" || fail "saved palette: $(od -c "$palettes/Installed.dat")"

# The help companions, from the installed folder.
help_menu_item 1
wait_for "the helper to open the guide" test -s "$opened"
[ "$(cat "$opened")" = /usr/lib/tintwell/Help/guide/index.html ] || fail "the helper opened '$(cat "$opened")'"
help_menu_item 2
tips=$(wait_window '^Tintwell V1.0 - Tips$' 10)
tips_pid=$(xdotool getwindowpid "$tips")
[ "$(readlink -f "/proc/$tips_pid/exe")" = /usr/lib/tintwell/Help/tintwell_tip ] ||
    fail "the tips window belongs to $(readlink -f "/proc/$tips_pid/exe")"
"${as_root[@]}" kill "$tips_pid"
tips_pid=""
wait_window_gone '^Tintwell V1.0 - Tips$'

close_main_window # saved: no question

# ---- The desktop entry, as the desktop's menu starts it -----------------------------
grep -qx 'Exec=tintwell' "$entry" || fail "desktop entry: $(grep '^Exec=' "$entry" | head -n1)"
grep -qx 'Exec=tintwell --grab' "$entry" || fail "the desktop entry has no grab action"
if command -v gio >/dev/null; then
    # GLib's launcher reads the entry and runs its Exec line, like a menu.
    "${as_user[@]}" gio launch "$entry" >>"$E2E_WORK/program.log" 2>&1 9>&- || fail "gio launch failed"
else
    exec_line=$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=//p' "$entry")
    start_installed sh -c "$exec_line"
fi
win=$(wait_window '^Tintwell V1.0$')
E2E_PID=$(xdotool getwindowpid "$win")
[ "$(readlink -f "/proc/$E2E_PID/exe")" = /usr/lib/tintwell/tintwell ] || fail "the entry started $(readlink -f "/proc/$E2E_PID/exe")"
[ "$(stat -c %u "/proc/$E2E_PID")" = "$user_id" ] || fail "the entry's program runs as user $(stat -c %u "/proc/$E2E_PID")"
[ "$(store_value lastFileName)" = Installed ] || fail "lastFileName: $(store_value lastFileName)"
close_main_window

# ---- Purge: nothing of the package is left ---------------------------------------------
purge_package || fail "apt-get purge failed"
! dpkg-query -W -f='${Status}' tintwell 2>/dev/null | grep -q 'ok installed' || fail "tintwell is still installed"
for path in /usr/lib/tintwell /usr/bin/tintwell "$entry" /usr/share/man/man1/tintwell.1.gz /usr/share/doc/tintwell; do
    [ ! -e "$path" ] && [ ! -L "$path" ] || fail "left after purge: $path"
done
installed_packages >"$E2E_WORK/packages.after"
cmp -s "$E2E_WORK/packages.before" "$E2E_WORK/packages.after" ||
    fail "packages changed: $(diff "$E2E_WORK/packages.before" "$E2E_WORK/packages.after" | tr '\n' ' ')"
echo "Debian package installed, run and purged: ok"
