#!/usr/bin/env bash
# Measures the video player on a virtual display: the time from the end of one video to the first
# frame of the next, and the processor time used while a 1080p H.264 video plays.
#   bench/media/figures.sh [build folder]
set -euo pipefail
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -loglevel error -f lavfi -i testsrc2=size=1920x1080:rate=25:duration=20 \
  -c:v libx264 -preset veryfast -pix_fmt yuv420p "$work/1080p.mp4"
xvfb-run -a -s "-screen 0 1920x1080x24" "$build/bin/media_figures" "$build/bin/showsaver" \
  "$work/1080p.mp4"
