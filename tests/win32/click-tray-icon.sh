#!/bin/sh
# A right click on the program's tray icon where the tray host docked it, made through the X
# server as a user's click is. Wine's shell owns the docked icon's window: it takes the click as
# the user's input and tells the program, which may then take the foreground for its menu.
# The newest icon is the program's: an icon of an ended program may linger until it is clicked.
# A window that goes while the tools walk the tree ends them with an X error: they try again.
set -u
newest_icon() {
  panel=$(timeout 10 xdotool search --classname '^panel$' 2>/dev/null | head -n 1)
  [ -n "$panel" ] || return 1
  newest=0
  for icon in $(timeout 10 xwininfo -tree -id "$panel" 2>/dev/null |
    sed -n 's/^ *\(0x[0-9a-f]*\) .*("explorer\.exe" "explorer\.exe").*/\1/p'); do
    [ $((icon)) -gt $((newest)) ] && newest=$icon
  done
  [ "$newest" != 0 ] && echo "$newest"
}

tries=0
until icon=$(newest_icon); do
  tries=$((tries + 1))
  [ $tries -lt 50 ] || { echo "no docked icon" >&2; exit 1; }
  sleep 0.2
done
timeout 10 xdotool mousemove --window "$icon" 4 4 click 3
