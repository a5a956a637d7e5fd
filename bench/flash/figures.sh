#!/usr/bin/env bash
# Measures the Flash control on a virtual display: time to the first frame of the first movie
# and of a later one in the same page, and the memory of the process tree while a movie plays.
# Usage: bench/flash/figures.sh [build folder, default build]
set -euo pipefail
build=${1:-build}
cmake --build "$build" --target flash_bench >/dev/null
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/flash_bench" 2>/dev/null
