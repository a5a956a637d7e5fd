#!/usr/bin/env bash
# Installs what is needed, builds everything and shows the bundled demo show.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

echo "The demo show (build/demo/demo.dat), as the player reads it:"
build/bin/mkshow inspect build/demo/demo.dat
echo
echo "Playing it comes with the picture player, which is not built yet."
