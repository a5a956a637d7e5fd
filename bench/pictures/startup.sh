#!/usr/bin/env bash
# Time from the start of the player's process to the first frame of its first transition, for
# a show of 200 pictures of 12 megapixels (4000 x 3000 JPEG files): only the first picture is
# prepared before it shows. Runs on the current display, or under xvfb when there is none.
#
#   bench/pictures/startup.sh [BUILD_FOLDER]     (default: build; RUNS=3 by default)
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${RUNS:-3}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$build/bin/make-photo" photo.jpg 4000 3000 90
pictures=()
for i in $(seq -w 1 200); do
  ln photo.jpg "p$i.jpg"  # 200 names, one file's worth of disk
  pictures+=("p$i.jpg")
done
"$build/bin/mkshow" create show.dat --seconds 5 --fit proportional "${pictures[@]}" >/dev/null
"$build/bin/mkshow" build show.dat player --player "$build/bin/showsaver" >/dev/null

export SHOWSAVER_POWEROFF_COMMAND=true
times=()
for ((r = 0; r < runs; r++)); do
  rm -f log.txt
  start=$(date +%s.%N)
  SHOWSAVER_LOG="$work/log.txt" ./player 2>/dev/null &
  pid=$!
  for _ in $(seq 200); do
    grep -q transition-frame log.txt 2>/dev/null && break
    sleep 0.05
  done
  kill -TERM "$pid"  # the screen-saver command ends the show
  wait "$pid" || true
  first=$(grep -m1 transition-frame log.txt | cut -d' ' -f1-2)
  elapsed=$(echo "$(date -d "$first" +%s.%N) - $start" | bc)
  times+=("$elapsed")
  printf 'run %d: %.3f s to the first frame; prepared files left: %d\n' $((r + 1)) "$elapsed" \
    "$(find . -name 'tmppic*' | wc -l)"
done
printf '%s\n' "${times[@]}" | sort -n |
  awk '{v[NR] = $1} END {printf "median: %.3f s (load average %s)\n", v[int((NR + 1) / 2)], LOAD}' \
    LOAD="$(cut -d' ' -f1-3 /proc/loadavg)"
