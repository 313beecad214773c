#!/bin/sh
# Takes docs/window.png: the window under a virtual X display with a small
# window manager, after a compute of the start-up example.
set -eu
app=${1:-build/app/segcalc}
out=${2:-docs/window.png}
mkdir -p "$(dirname "$out")"

xvfb-run -a -s '-screen 0 640x400x24' sh -c '
  app=$1; out=$2
  openbox >/dev/null 2>&1 &
  sleep 1
  LANG=zh_CN.UTF-8 "$app" &
  window=$(xdotool search --sync --class segcalc | head -n 1)
  xdotool windowactivate --sync "$window" key Return
  sleep 1
  import -frame -window "$window" "$out"
  xdotool key Escape
  wait $!
' sh "$app" "$out"
echo "screenshot: wrote $out"
