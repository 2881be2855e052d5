#!/usr/bin/env bash
# The zoom window on a real headless Wayland desktop: sway with Xwayland,
# PipeWire and the desktop portal with its wlroots and GTK back ends. As the
# session's unprivileged user (the test drops to "nobody" when run as root),
# it starts Tintwell, presses Start, checks that the magnified picture shows
# the desktop's background colour, grabs it with the grab key, closes the
# zoom window, checks the colour on the "Grab Colors" page, and runs
# `tintwell --grab` against the running program.
#   test_sway_portal.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)

skip() {
    echo "SKIP: $*"
    exit 77
}
for tool in sway Xwayland pipewire grim dbus-daemon dbus-send dbus-update-activation-environment xdotool xprop \
    xwininfo import setpriv timeout; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh installs it)"
done
for exe in xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk; do
    [ -x "/usr/libexec/$exe" ] || skip "$exe is not installed (scripts/install-deps.sh installs it)"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-sway.XXXXXX")
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
cp -a "$(dirname "$program")" "$work/program"
rm -rf "$work/program/MyPalettes" "$work/program/ExportPalette"
cp "$here/sway-session.sh" "$here/sway-grab.sh" "$work/"

run=()
if [ "$(id -u)" -eq 0 ]; then
    # sway does not run as root, and the portal refuses root callers.
    setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null ||
        skip "cannot drop to an unprivileged user here (setpriv failed)"
    chown -R 65534:65534 "$work"
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
# timeout leads a process group of its own: whatever the session leaves
# behind (services the bus started) is ended with it.
status=0
timeout -k 10 240 "${run[@]}" env -i PATH="/usr/local/bin:/usr/bin:/bin" LANG=C.UTF-8 NO_AT_BRIDGE=1 \
    "$work/sway-session.sh" "$work" "$work/sway-grab.sh" "$work/program/tintwell" &
group=$!
wait "$group" || status=$?
kill -- -"$group" 2>/dev/null || true
[ "$status" -eq 124 ] && echo "FAIL: the test did not end within 240 s" >&2
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    # Keep what tells why: the logs and the last picture of the screen.
    keep="${TMPDIR:-/tmp}/tintwell-sway-failed"
    rm -rf "$keep" && mkdir -p "$keep"
    cp "$work"/*.log "$work"/*.png "$keep/" 2>/dev/null || true
    echo "logs and screen: $keep" >&2
fi
exit "$status"
