#!/bin/sh
# Installs the Debian 12 packages that are missing: with --run only what building and running
# the Linux program need; without it also the tests' tools, the Windows cross build and Wine, the
# checked builds and the packaging checks.
set -eu
packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-wayland libgl-dev libxkbcommon-dev
  libxcb1-dev libxcb-keysyms1-dev libxcb-xkb-dev libxcb-xtest0-dev libcurl4-openssl-dev
  libssl-dev librsvg2-bin"
if [ "${1:-}" != --run ]; then
  packages="$packages libgtest-dev googletest g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth
  x11-utils xdotool openbox trayer clang libclang-rt-14-dev weston dbus python3-dbus
  python3-gi desktop-file-utils fp-utils-3.2.2 libchm-bin icoutils appstream lintian dpkg-dev
  file zip unzip openssl xdg-desktop-portal xdg-desktop-portal-kde libkf5globalaccel-bin"
fi
missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
