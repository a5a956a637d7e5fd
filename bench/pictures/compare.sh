#!/usr/bin/env bash
# Preparing a photo for the screen, against other programs, in one run: a 6000 x 4000 JPEG of
# quality 90 decoded, fitted proportionally into 1920 x 1080 on black and written as BMP, by the
# picture player's own code (prepare-picture) and by vipsthumbnail, ImageMagick's convert and
# GraphicsMagick's gm, each told to decode no larger than it needs. The runs are interleaved;
# the medians of wall-clock and processor time are printed.
#
#   bench/pictures/compare.sh [BUILD_FOLDER]     (default: build; RUNS=7 by default)
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${RUNS:-7}
for tool in vipsthumbnail gm; do
  command -v "$tool" >/dev/null || { echo "compare: $tool is missing (scripts/setup.sh)"; exit 1; }
done
# ImageMagick's own convert, not a wrapper that may stand earlier on the PATH.
im_convert=/usr/bin/convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$build/bin/make-photo" photo.jpg 6000 4000 90

names=(showsaver vipsthumbnail convert gm)
run_one() {
  case $1 in
    showsaver) "$build/bin/prepare-picture" photo.jpg showsaver.bmp 1920 1080 2 ;;
    vipsthumbnail) vipsthumbnail photo.jpg --size 1920x1080 -o vips.bmp ;;
    convert) "$im_convert" -define jpeg:size=1920x1080 photo.jpg -resize 1920x1080 \
               -background black -gravity center -extent 1920x1080 BMP3:convert.bmp ;;
    gm) gm convert -size 1920x1080 photo.jpg -resize 1920x1080 -background black \
          -gravity center -extent 1920x1080 BMP3:gm.bmp ;;
  esac
}

TIMEFORMAT='%R %U %S'
for name in "${names[@]}"; do run_one "$name" >/dev/null 2>&1; done  # warm the caches
for ((r = 0; r < runs; r++)); do
  for name in "${names[@]}"; do
    { time run_one "$name" >/dev/null 2>&1; } 2>>"times.$name"
  done
done

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
echo "photo: 6000 x 4000, quality 90, $(du -h photo.jpg | cut -f1); screen 1920 x 1080; $runs runs"
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-14s %10s %10s\n' program "wall (s)" "cpu (s)"
for name in "${names[@]}"; do
  wall=$(awk '{print $1}' "times.$name" | median)
  cpu=$(awk '{print $2 + $3}' "times.$name" | median)
  printf '%-14s %10s %10s\n' "$name" "$wall" "$cpu"
  echo "$name $wall $cpu" >>summary
done
awk 'NR == 1 {ours = $2; next} best == "" || $2 < best {best = $2; who = $1}
     END {printf "fastest peer: %s, %.3f s; showsaver %.3f s: %s\n", who, best, ours,
                 ours < best ? "faster" : "not faster"}' summary
