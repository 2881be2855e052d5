#!/usr/bin/env bash
# A headless Wayland desktop for one command: a private session bus,
# PipeWire, sway with Xwayland, and the desktop portal with its wlroots and
# GTK back ends. Runs as an unprivileged user (sway will not run as root, and
# the portal refuses root callers).
#   sway-session.sh WORK COMMAND [ARGS...]
# WORK is an empty folder of ours; the command runs with WAYLAND_DISPLAY,
# DISPLAY (Xwayland), DBUS_SESSION_BUS_ADDRESS and XDG_RUNTIME_DIR set.
set -euo pipefail
work=$1
shift

export HOME=$work/home XDG_RUNTIME_DIR=$work/run
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS

pids=()
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        wait "${pids[i]}" 2>/dev/null || true
    done
}
trap cleanup EXIT
trap "exit 143" TERM INT
broken() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}
wait_until() { # SECONDS COMMAND...: true once COMMAND succeeds
    local tries=$(($1 * 10))
    shift
    while ((tries-- > 0)); do
        "$@" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

dbus-daemon --session --nofork --nopidfile --address="unix:path=$XDG_RUNTIME_DIR/bus" >"$work/dbus.log" 2>&1 &
pids+=($!)
wait_until 10 test -S "$XDG_RUNTIME_DIR/bus" || broken "the session bus did not start"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"

pipewire >"$work/pipewire.log" 2>&1 &
pids+=($!)

cat >"$work/sway.conf" <<CONF
output HEADLESS-1 resolution 1280x720 position 0,0
output * bg #3366cc solid_color
xwayland enable
# sway starts Xwayland for the first X client and stops it after the last:
# one idle client keeps it, and tells us its display.
exec sh -c 'echo "\$DISPLAY" >"$work/xdisplay"; exec xprop -root -spy >/dev/null 2>&1'
CONF
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
pids+=($!)
wait_until 20 compgen -G "$XDG_RUNTIME_DIR/wayland-*.lock" >/dev/null || broken "sway did not start"
socket=$(cd "$XDG_RUNTIME_DIR" && ls wayland-* | grep -v '\.lock$' | head -n1)
export WAYLAND_DISPLAY=$socket XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
wait_until 20 test -s "$work/xdisplay" || broken "sway gave no Xwayland display"
export DISPLAY=$(cat "$work/xdisplay")
wait_until 20 xprop -root _XKB_RULES_NAMES >/dev/null || broken "Xwayland did not start"
dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY XDG_CURRENT_DESKTOP XDG_SESSION_TYPE XDG_RUNTIME_DIR

/usr/libexec/xdg-desktop-portal-wlr -r >"$work/portal-wlr.log" 2>&1 &
pids+=($!)
/usr/libexec/xdg-desktop-portal-gtk -r >"$work/portal-gtk.log" 2>&1 &
pids+=($!)
/usr/libexec/xdg-desktop-portal -r >"$work/portal.log" 2>&1 &
pids+=($!)
screenshot_offered() {
    dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop \
        org.freedesktop.DBus.Properties.Get string:org.freedesktop.portal.Screenshot string:version >/dev/null
}
wait_until 20 screenshot_offered || broken "the desktop portal offers no Screenshot"

"$@"
