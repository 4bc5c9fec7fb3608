#!/bin/sh
# A right click on the program's tray icon where the tray host docked it, made through the X
# server as a user's click is. Wine's shell owns the docked icon's window: it takes the click as
# the user's input and tells the program, which may then take the foreground for its menu.
# The newest icon is the program's: an icon of an ended program may linger until it is clicked.
set -eu
panel=$(xdotool search --classname '^panel$' | head -n 1)
newest=0
for icon in $(xwininfo -tree -id "$panel" |
  sed -n 's/^ *\(0x[0-9a-f]*\) .*("explorer\.exe" "explorer\.exe").*/\1/p'); do
  [ $((icon)) -gt $((newest)) ] && newest=$icon
done
[ "$newest" != 0 ] || { echo "no docked icon" >&2; exit 1; }
xdotool mousemove --window "$newest" 4 4 click 3
