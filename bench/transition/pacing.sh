#!/usr/bin/env bash
# Runs the transition view's pacing benchmark under a virtual display large enough for 4K.
#   bench/transition/pacing.sh [build folder] [transition_pacing options]
set -euo pipefail
build=${1:-build}
shift || true
exec xvfb-run -a -s "-screen 0 3840x2160x24" "$build/bin/transition_pacing" "$@"
