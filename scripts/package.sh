#!/bin/sh
# Makes the packages from the build trees of the test command (built when missing), into dist/:
#   tippomat_<version>_amd64.deb   the Linux program through CPack, with desktop entry, icons,
#                                  metainfo and the dependencies dpkg-shlibdeps finds
#   Tippomat-<version>-win64.zip   Tippomat.exe, TIPPOMAT.chm and LIESMICH.txt
# With --check it also checks them (scripts/check-packages.sh; needs an X display).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=${jobs:-$(nproc)}
. "$top/scripts/trees.sh"
make_missing_trees
cmake --build "$top/build" -j "$jobs"
cmake --build "$top/build-win" -j "$jobs" --target Tippomat help_file

dist="$top/dist"
mkdir -p "$dist"
rm -rf "$top/build/packages"
(cd "$top/build" && cpack -G DEB >/dev/null)
cp "$top"/build/packages/tippomat_*.deb "$dist/"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$top/build-win/CMakeCache.txt")
zip="$dist/Tippomat-$version-win64.zip"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$top/build-win/src/Tippomat.exe" "$top/build-win/src/TIPPOMAT.chm" \
  "$top/packaging/LIESMICH.txt" "$stage/"
rm -f "$zip"
(cd "$stage" && zip -q -X "$zip" Tippomat.exe TIPPOMAT.chm LIESMICH.txt)
echo "$dist/$(basename "$top"/build/packages/tippomat_*.deb)"
echo "$zip"

if [ "${1:-}" = "--check" ]; then
  "$top/scripts/check-packages.sh" "$dist"/tippomat_*.deb "$zip"
fi
