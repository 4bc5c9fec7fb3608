#!/bin/sh
# Checks the packages as a user gets them: check-packages.sh tippomat_<v>_amd64.deb
# Tippomat-<v>-win64.zip. The desktop entry and the metainfo pass their validators, lintian
# reports no error, the .deb holds what a desktop needs, the program unpacked from it starts,
# shows the help of its tray menu (a second start hands over and ends with 0); the same for the
# zip unpacked into a Wine drive, without the help. Needs an X display with a tray host and
# xdotool, and for the zip WINEPREFIX (scripts/trees.sh use_wine).
set -eu
deb=$1
zip=$2
work=$(mktemp -d)
pids=""
trap 'kill $pids 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "check-packages: $*" >&2; exit 1; }

# A second start of program (a command) hands over to the first one, started before by
# start_first with the same words, and ends with 0. Whichever copy is up first serves, so a
# second start that came too early (it serves and is stopped after 20 seconds, or the first
# handed over to it) is tried again, with a new first one where that one ended.
start_first() {
  "$@" >/dev/null 2>&1 &
  first=$!
  pids="$pids $first"
}
second_start_ends() {
  tries=0
  while [ $tries -lt 6 ]; do
    tries=$((tries + 1))
    kill -0 "$first" 2>/dev/null || start_first "$@"
    if timeout 20 "$@" >/dev/null 2>&1 && kill -0 "$first" 2>/dev/null; then
      kill "$first"
      return 0
    fi
  done
  return 1
}

# Polls what the test says, every tenth of a second, for at most that many seconds.
within() {
  limit=$(($1 * 10))
  shift
  while ! "$@"; do
    limit=$((limit - 1))
    [ $limit -gt 0 ] || return 1
    sleep 0.1
  done
}
# The visible windows of the first start: the Wine copy shares the display and the class name.
first_windows() { xdotool search --onlyvisible --pid "$first" 2>/dev/null; }
tray_menu_shows() { [ "$(first_windows | wc -l)" -ge 2 ]; }
help_shows() {
  xdotool search --all --onlyvisible --pid "$first" \
    --name '^Tippomat Hilfe .* Der Einstellungsdialog$' >/dev/null 2>&1
}
# The tray icon's menu, "Einstellungen", its last entry "Hilfe": the help window on its topic.
# The icon's window may be replaced while the tray host docks it, and keys may come before the
# menu holds the keyboard: tried again until the help shows.
help_from_tray_menu() {
  tries=0
  while [ $tries -lt 10 ]; do
    tries=$((tries + 1))
    icon=$(first_windows | head -1)
    if [ -n "$icon" ] && xdotool mousemove --window "$icon" 4 4 click 3 2>/dev/null &&
      within 2 tray_menu_shows; then
      xdotool key --delay 30 Up Up Right Up Return
      within 3 help_shows && return 0
      xdotool key --delay 30 Escape Escape
    else
      sleep 0.2
    fi
  done
  return 1
}

dpkg-deb -x "$deb" "$work/root"
root="$work/root"
unzip -q "$zip" -d "$work/drive"
# The first starts go first, so that they are up once the files are checked: the program from
# the package with a home of its own, and the zip's in a Wine drive.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
start_first "$root/usr/bin/Tippomat" -platform xcb
linux_first=$first
letter=$(for l in p q r s t u v w; do [ -e "$WINEPREFIX/dosdevices/$l:" ] || { echo $l; break; }; done)
ln -s "$work/drive" "$WINEPREFIX/dosdevices/$letter:"
trap 'kill $pids 2>/dev/null || true; rm -f "$WINEPREFIX/dosdevices/$letter:"; rm -rf "$work"' EXIT
start_first wine "$letter:\\Tippomat.exe"
wine_first=$first

for file in usr/bin/Tippomat usr/share/applications/tippomat.desktop \
  usr/share/metainfo/tippomat.metainfo.xml usr/share/icons/hicolor/scalable/apps/tippomat.svg \
  usr/share/doc/tippomat/copyright usr/share/man/man1/Tippomat.1.gz; do
  [ -s "$root/$file" ] || fail "$deb lacks /$file"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x$size/apps/tippomat.png"
  file "$png" | grep -q "PNG image data, $size x $size" || fail "no $size-pixel icon"
done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no dependencies found"
dpkg-deb -f "$deb" Depends | grep -q libcurl4 || fail "libcurl4 is not a dependency"
desktop-file-validate "$root/usr/share/applications/tippomat.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/tippomat.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$root/usr/share/metainfo/tippomat.metainfo.xml"
lintian "$deb" 2>/dev/null | grep '^E:' && fail "lintian reports errors"

for file in Tippomat.exe TIPPOMAT.chm LIESMICH.txt; do
  [ -s "$work/drive/$file" ] || fail "$zip lacks $file"
done

first=$linux_first
help_from_tray_menu || fail "the packaged program showed no help topic"
second_start_ends "$root/usr/bin/Tippomat" -platform xcb || fail "the packaged program did not start"
first=$wine_first
second_start_ends wine "$letter:\\Tippomat.exe" || fail "Tippomat.exe from the zip did not start"
echo "check-packages: $(basename "$deb") and $(basename "$zip") are fine"
