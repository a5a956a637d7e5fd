#!/usr/bin/env bash
# Compares our nearest effects with FFmpeg's xfade filter on 1920 x 1080 frames, both single
# threaded and in the same run, and prints the time per frame of each and how many times faster
# ours is (goal: at least 5).
#
# xfade: two still pictures, each decoded once, turned into planar RGB with alpha (four bytes a
# pixel, as ours) and repeated by the loop filter, fed through xfade for 100 frames; the same
# graph without xfade (the second picture dropped instead) is timed too and subtracted. Times
# are the user CPU time ffmpeg reports with -benchmark. Ours: fxbench's CPU time per frame (the copy of the old
# picture plus the effect, over progress values spread across the transition).
#
# Usage: bench/xfade_peer.sh [build folder]   (default: build; fxbench is built there first)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
frames=100
rate=25

command -v ffmpeg >/dev/null || { echo "xfade_peer: ffmpeg is not installed (apt-get install ffmpeg)" >&2; exit 1; }
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fxbench -j2 >/dev/null
fxbench=$(find "$build" -name fxbench -type f -perm -u+x | head -n 1)
[ -n "$fxbench" ] || { echo "xfade_peer: fxbench was not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -v error -f lavfi -i "testsrc2=size=1920x1080:rate=1" -frames:v 1 "$work/old.bmp"
ffmpeg -v error -f lavfi -i "mandelbrot=size=1920x1080:rate=1" -frames:v 1 "$work/new.bmp"

# User CPU seconds of one single-threaded ffmpeg run of the filter graph.
cpu_seconds() {
  ffmpeg -hide_banner -nostats -benchmark -threads 1 -filter_threads 1 -filter_complex_threads 1 \
    -framerate "$rate" -i "$work/old.bmp" -framerate "$rate" -i "$work/new.bmp" \
    -filter_complex "$1" -frames:v "$frames" -f null - 2>&1 |
    sed -n 's/.*utime=\([0-9.]*\)s.*/\1/p' | tail -n 1
}

still='format=gbrap,loop=loop=-1:size=1:start=0'
inputs="[0]$still[a];[1]$still[b]"
baseline=$(cpu_seconds "$inputs;[b]nullsink;[a]null")

# xfade transition and our nearest style.
pairs=("fade 118" "dissolve 169" "wipeleft 5" "slideleft 3" "circleopen 84" "pixelize 168" "radial 143")
styles=$(printf '%s\n' "${pairs[@]}" | awk '{print $2}' | paste -sd'|')
ours=$("$fxbench" --benchmark_filter="^BM_Effect/($styles)/1920\$" --benchmark_format=csv \
  --benchmark_min_time=0.5 2>/dev/null | awk -F, '/^"BM_Effect/ {
    split($1, n, "/"); unit = $5; t = $4
    if (unit ~ /us/) t /= 1000; else if (unit ~ /ns/) t /= 1e6; else if (unit ~ /^"?s"?$/) t *= 1000
    print n[2], t }')

printf '%-11s %5s %12s %12s %9s\n' xfade style "xfade ms" "ours ms" "faster"
for pair in "${pairs[@]}"; do
  read -r transition style <<<"$pair"
  total=$(cpu_seconds "$inputs;[a][b]xfade=transition=$transition:duration=$((frames / rate)):offset=0")
  ours_ms=$(awk -v s="$style" '$1 == s {print $2}' <<<"$ours")
  awk -v t="$transition" -v s="$style" -v total="$total" -v base="$baseline" -v f="$frames" \
    -v o="$ours_ms" 'BEGIN {
      x = (total - base) * 1000 / f
      printf "%-11s %5s %12.2f %12.2f %8.1fx%s\n", t, s, x, o, x / o, (x / o >= 5 ? "" : "  (below 5x)") }'
done
printf 'xfade baseline without the transition: %.2f ms per frame\n' "$(awk -v b="$baseline" -v f="$frames" 'BEGIN {print b * 1000 / f}')"
