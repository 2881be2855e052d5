#!/usr/bin/env bash
# Installs what building, running and testing Tintwell needs on Debian 12,
# skipping what is already there. Runs apt-get directly as root, through
# sudo otherwise.
set -euo pipefail

packages=(
    # build
    build-essential cmake ccache pkg-config
    qt6-base-dev libgl-dev libx11-dev libxcb1-dev libfontconfig-dev
    libgtest-dev libbenchmark-dev
    # the tests that drive the real program
    xvfb xauth xdotool imagemagick x11-apps x11-utils xclip
    fonts-dejavu-core
    # the Debian package: icons, building it, and the checks Debian runs on it
    librsvg2-bin dpkg-dev lintian desktop-file-utils appstream libglib2.0-bin
    # reading the accessibility tree of the running program, as a screen reader does
    dbus-daemon at-spi2-core python3-pyatspi
    # the zoom window on a headless Wayland desktop, through the desktop portal
    sway xwayland grim pipewire dbus-bin procps
    xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk
)
# Optional groups: `install-deps.sh fuzz` adds clang and its fuzzing runtime.
for group in "$@"; do
    case "$group" in
        fuzz) packages+=(clang libclang-rt-14-dev) ;;
        *) echo "install-deps: unknown group $group" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
    exit 1
fi
echo "install-deps: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
