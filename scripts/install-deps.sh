#!/bin/sh
# Installs the Debian 12 packages the build and the tests need, when any is missing.
set -eu
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libxkbcommon-dev
  libxcb1-dev libxcb-keysyms1-dev libxcb-xkb-dev libxcb-xtest0-dev libgtest-dev googletest
  g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth xdotool openbox trayer
  clang libclang-rt-14-dev qt6-wayland weston dbus python3-dbus python3-gi
  libcurl4-openssl-dev desktop-file-utils fp-utils-3.2.2 libchm-bin librsvg2-bin icoutils
  appstream lintian dpkg-dev file zip unzip
  openssl libssl-dev"
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
