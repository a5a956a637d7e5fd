#!/usr/bin/env bash
# Fetches the pinned Ruffle web build from the npm registry into build-deps/ruffle (not
# committed); the build copies what the Flash player needs from there. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

version=0.6.0
dest=build-deps/ruffle
package="$dest/node_modules/@ruffle-rs/ruffle/package.json"
if [ -f "$package" ] && grep -q "\"version\":\"$version\"" "$package"; then
  echo "setup: Ruffle $version present"
  exit 0
fi
mkdir -p "$dest"
npm install --prefix "$dest" --no-audit --no-fund --no-save --loglevel=error \
  "@ruffle-rs/ruffle@$version"
echo "setup: Ruffle $version fetched into $dest"
