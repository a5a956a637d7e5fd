#!/usr/bin/env bash
# Builds everything and runs every test: the plain C++ core under AddressSanitizer and
# UndefinedBehaviorSanitizer, a short run of each fuzz target, then the full build's tests under
# a virtual display (last, so that its summary closes the output).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1

echo "== core under the sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSHOWSAVER_CORE_ONLY=ON \
  -DSHOWSAVER_SANITIZE=ON -DSHOWSAVER_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== transition view under the sanitizers (its start/stop stress test among them)"
cmake -S . -B build-asan-transition -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSHOWSAVER_SANITIZE=ON \
  -DSHOWSAVER_BENCH=OFF >/dev/null
cmake --build build-asan-transition -j "$jobs" --target TransitionViewTest TransitionDriverTest
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 xvfb-run -a -s "-screen 0 1600x1200x24" \
  ctest --test-dir build-asan-transition -R '^transition[.]Transition' --output-on-failure

if [ -d fuzz ] && [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzz targets, a short run each"
  CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSHOWSAVER_CORE_ONLY=ON -DSHOWSAVER_FUZZ=ON -DSHOWSAVER_BENCH=OFF >/dev/null
  cmake --build build-fuzz -j "$jobs" --target fuzz_targets
  for target in build-fuzz/bin/fuzz_*; do
    [ -x "$target" ] || continue
    corpus=$(mktemp -d)
    seeds="fuzz/corpus/$(basename "$target")"
    "$target" -max_total_time="${FUZZ_SECONDS:-20}" -rss_limit_mb=2048 "$corpus" \
      $( [ -d "$seeds" ] && echo "$seeds" )
    rm -rf "$corpus"
  done
fi
echo "== full build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
xvfb-run -a -s "-screen 0 1600x1200x24" ctest --test-dir build --output-on-failure -j 1
