#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and play the demo,
# skipping what is already there. Safe to run again.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang-14 libclang-rt-14-dev
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the benchmark against FFmpeg's xfade filter (bench/xfade_peer.sh) and the 1080p video of
  # the video player's figures (bench/media/figures.sh)
  ffmpeg
  # Qt user interface, display plugins, D-Bus, web engine
  qt6-base-dev qt6-qpa-plugins qt6-webengine-dev libqt6opengl6-dev
  # media: pictures, movies, music, video
  libjpeg62-turbo-dev zlib1g-dev libmpv-dev libfluidsynth-dev timgm6mb-soundfont
  # X11 helpers for finding windows
  libxcb1-dev libx11-dev
  # virtual display and tools the end-to-end tests drive it with
  xvfb xauth x11-xserver-utils x11-utils xdotool imagemagick
  # peers the picture benchmark compares against
  libvips-tools graphicsmagick
  # the Debian package: cpack's dependency lookup finds the binaries with file
  file
)
# Ruffle is fetched from the npm registry; any Node.js with npm will do.
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  bash "$(dirname "$0")/fetch-ruffle.sh"
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
bash "$(dirname "$0")/fetch-ruffle.sh"
