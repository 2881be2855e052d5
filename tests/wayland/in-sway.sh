#!/usr/bin/env bash
# Runs a command on a headless Wayland desktop of its own (sway-session.sh)
# as an unprivileged user: as root it drops to "nobody". The FILES are
# copied to a scratch folder that the command starts in.
#   in-sway.sh FILE... -- COMMAND [ARGS...]
# Exit status 77, with the reason, where such a desktop cannot run here.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
files=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    files+=("$1")
    shift
done
[ $# -gt 1 ] || { echo "usage: in-sway.sh FILE... -- COMMAND [ARGS...]" >&2; exit 2; }
shift

skip() {
    echo "SKIP: $*"
    exit 77
}
for tool in sway Xwayland pipewire grim dbus-daemon dbus-send dbus-update-activation-environment xdotool xprop \
    xwininfo import setpriv timeout pgrep; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh installs it)"
done
for exe in xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk; do
    [ -x "/usr/libexec/$exe" ] || skip "$exe is not installed (scripts/install-deps.sh installs it)"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-sway.XXXXXX")
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir "$work/files"
cp -a "${files[@]}" "$work/files/"
cp "$here/sway-session.sh" "$work/"

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
(cd "$work/files" && exec timeout -k 10 240 "${run[@]}" env -i PATH="/usr/local/bin:/usr/bin:/bin" LANG=C.UTF-8 \
    NO_AT_BRIDGE=1 "$work/sway-session.sh" "$work" "$@") &
group=$!
wait "$group" || status=$?
kill -- -"$group" 2>/dev/null || true
[ "$status" -eq 124 ] && echo "FAIL: did not end within 240 s" >&2
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    # Keep what tells why: the logs and the last picture of the screen.
    keep="${TMPDIR:-/tmp}/tintwell-sway-failed"
    rm -rf "$keep" && mkdir -p "$keep"
    cp "$work"/*.log "$work"/*.png "$keep/" 2>/dev/null || true
    echo "logs and screen: $keep" >&2
fi
exit "$status"
