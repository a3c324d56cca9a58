#!/usr/bin/env bash
# Start-up benchmark under a virtual X server: from launch to the first paint of the
# window (a cyan result box seen on the screen), over RUNS runs, beside a bare Xlib
# window of the same size as the floor; then the program's peak memory.
#   bench/startup.sh [build-folder] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
probe="$build/bench/startup_probe"
program="$build/app/marvolen"
floor="$build/bench/floor_window"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

scratch=$(mktemp -d)
export HOME=$scratch XDG_RUNTIME_DIR=$scratch XDG_CACHE_HOME=$scratch/cache
mkdir -p "$XDG_CACHE_HOME"; chmod 700 "$scratch"

# The point to watch: the middle of the first result box (Frame2 + OutputText1, in pixels).
x=444; y=43
"$probe" "$x" "$y" 00FFFF "$program" >/dev/null  # warm the file cache once
for name in marvolen floor; do
  : > "$scratch/$name"
  for _ in $(seq "$runs"); do
    if [ "$name" = marvolen ]; then "$probe" "$x" "$y" 00FFFF "$program"; else "$probe" 10 10 00FFFF "$floor"; fi >> "$scratch/$name"
  done
done

summary() {
  sort -n "$1" | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
    printf "median %.1f ms, min %.1f, max %.1f (%d runs)", m, v[1], v[NR], NR }'
}
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "marvolen to first paint: $(summary "$scratch/marvolen")"
echo "bare Xlib window (floor): $(summary "$scratch/floor")"
awk -v a="$(median "$scratch/marvolen")" -v b="$(median "$scratch/floor")" \
  'BEGIN { printf "ratio to the floor: %.2f (target at most 1.5)\n", a / b }'

# Peak memory: the program runs two seconds, then is ended by timeout.
/usr/bin/time -v -o "$scratch/time" timeout 2 "$program" || true
awk -F': ' '/Maximum resident set size/ { printf "peak memory: %.1f MB (target at most 40)\n", $2 / 1024 }' "$scratch/time"
rm -rf "$scratch"
