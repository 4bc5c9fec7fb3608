# Sourced: starts Xvfb with a window manager and a tray host, stopped when the shell exits.

# Whether the tray host holds the tray selection: it makes the selection's window, unnamed and
# off screen, just before it takes it.
tray_host_up() {
  xwininfo -root -tree 2>/dev/null | grep -q '"trayer": ()'
}

start_x_session() {
  display=99
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
  done
  # -noreset: the server would start anew whenever its last client goes (the probe below), and
  # refuse the window manager or the tray host meanwhile.
  Xvfb ":$display" -noreset -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  x_pids=$!
  export DISPLAY=":$display"
  tries=0
  until xdpyinfo >/dev/null 2>&1 || xdotool getmouselocation >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ $tries -lt 100 ] || { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done
  # The window manager handles map requests only once it has started up: a window mapped
  # before then never shows.
  wm_ready=$(mktemp -u /tmp/tippomat-wm-ready.XXXXXX)
  openbox --startup "touch $wm_ready" >/dev/null 2>&1 &
  x_pids="$x_pids $!"
  tries=0
  until [ -e "$wm_ready" ]; do
    tries=$((tries + 1))
    [ $tries -lt 100 ] || { echo "openbox did not start" >&2; return 1; }
    sleep 0.1
  done
  rm -f "$wm_ready"
  trayer --edge top --align right --widthtype pixel --width 120 --height 24 >/dev/null 2>&1 &
  x_pids="$x_pids $!"
  trap 'kill $x_pids 2>/dev/null || true' EXIT INT TERM
  # A program started before the tray host is up finds no notification area and shows the hub.
  tries=0
  until tray_host_up; do
    tries=$((tries + 1))
    [ $tries -lt 100 ] || { echo "trayer did not start" >&2; return 1; }
    sleep 0.1
  done
}
