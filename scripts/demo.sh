#!/usr/bin/env bash
# Installs what is needed, builds everything and plays the bundled demo show: full screen on the
# user's display, or, when there is none, under a virtual display for a few seconds while saving
# screenshots into a folder whose name it prints.
#
#   scripts/demo.sh        DEMO_SECONDS (12) sets how long the virtual run lasts, BUILD_DIR
#                          (build) the build folder
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
player=$build/bin/showsaver-demo

# Inside the virtual display: play, take a screenshot every second, then end the show with the
# screen-saver command, which deletes its prepared files.
if [ "${1:-}" = "--virtual" ]; then
  shots=$2
  "$player" &
  pid=$!
  for i in $(seq -w 1 "${DEMO_SECONDS:-12}"); do
    sleep 1
    import -window root "$shots/demo-$i.png" 2>/dev/null || true
  done
  kill -TERM "$pid"
  wait "$pid" || true
  exit 0
fi

bash scripts/setup.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

echo "The demo show ($build/demo/demo.dat), as the player reads it:"
"$build/bin/mkshow" inspect "$build/demo/demo.dat"
echo
export SHOWSAVER_POWEROFF_COMMAND=${SHOWSAVER_POWEROFF_COMMAND:-true}
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "Playing the demo full screen: move the mouse, click, press a key or use the close button"
  echo "in the top right corner to end it."
  exec "$player"
fi
shots=$(mktemp -d "${TMPDIR:-/tmp}/showsaver-demo-XXXXXX")
echo "No display: playing the demo on a virtual display for ${DEMO_SECONDS:-12} seconds."
echo "Screenshots: $shots"
xvfb-run -a -s "-screen 0 1280x720x24" "$0" --virtual "$shots"
echo "Saved $(find "$shots" -name '*.png' | wc -l) screenshots in $shots"
