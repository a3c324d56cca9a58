#!/usr/bin/env bash
# Takes a screenshot of the real window under a virtual X server, after one click on
# the calculate button, as a user sees it.
#   scripts/screenshot.sh [output.png] [build-folder] [scale]
# A scale of 2 shows the window as on a screen scaled to 200 %.
set -euo pipefail
out=${1:-screenshot.png}
build=${2:-build}
scale=${3:-1}
display=:$((190 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
scratch=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
export DISPLAY=$display HOME=$scratch XDG_RUNTIME_DIR=$scratch XDG_CACHE_HOME=$scratch/cache
chmod 700 "$scratch"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

QT_SCALE_FACTOR=$scale "$build/app/marvolen" &
program=$!
window=$(xdotool search --sync --name 'Marvolen V2.0' | head -n 1)
sleep 0.5
# The calculate button's middle: Frame1 at (8, 8) plus the button at (161, 219), 107 × 30.
xdotool mousemove --window "$window" $(( (8 + 161 + 53) * scale )) $(( (8 + 219 + 15) * scale )) click 1
sleep 0.5
import -window "$window" "$out"
kill "$program"
echo "wrote $out"
