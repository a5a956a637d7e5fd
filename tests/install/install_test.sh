#!/usr/bin/env bash
# Installs a built build folder with --prefix and with DESTDIR, packs it with cpack and unpacks
# the .deb, all in scratch folders, and checks each: the files, the demo player copy's trailer,
# the package's dependencies, and that the installed demo plays and ends on SIGTERM.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Every installation holds these, relative to its prefix.
expected=(bin/showsaver bin/mkshow bin/fxrender bin/fxgallery bin/showsaver-demo
  share/showsaver/ruffle/ruffle.js share/showsaver/demo/demo.dat
  share/showsaver/demo/{sunset,mountains,waves,aurora}.bmp
  share/man/man1/{showsaver,mkshow,fxrender,fxgallery}.1)

check_files() { # PREFIX
  for file in "${expected[@]}"; do
    [ -f "$1/$file" ] || fail "$1/$file is missing"
  done
  for command in showsaver mkshow fxrender fxgallery showsaver-demo; do
    [ -x "$1/bin/$command" ] || fail "$1/bin/$command is not executable"
  done
}

# mkshow inspect reads the trailer and then the show it names: the whole show when it is
# there, else a message naming the path.
check_trailer() { # COPY SHOW_PATH NOT_IN_PATH
  local out
  out=$("$build/bin/mkshow" inspect "$1" 2>&1) || true
  grep -qF "$2" <<<"$out" || fail "$1 does not name $2: $out"
  if grep -qF "$3" <<<"$out"; then fail "$1 names a path under $3: $out"; fi
}

echo "== cmake --install --prefix"
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
check_files "$prefix"
show=$prefix/share/showsaver/demo/demo.dat
out=$("$prefix/bin/mkshow" inspect "$prefix/bin/showsaver-demo") || fail "inspect: $out"
grep -qF "\"ShowPath\": \"$show\"" <<<"$out" || fail "the demo copy does not name $show: $out"
grep -qF "\"ItemPath\": \"$prefix/share/showsaver/demo/aurora.bmp\"" <<<"$out" ||
  fail "the installed demo show lacks its pictures: $out"

echo "== the installed demo plays and ends on SIGTERM"
log=$scratch/demo.log
SHOWSAVER_LOG=$log QT_QPA_PLATFORM=offscreen "$prefix/bin/showsaver-demo" &
player=$!
for _ in $(seq 100); do
  grep -q " item-start " "$log" 2>/dev/null && break
  sleep 0.2
done
kill -TERM "$player" 2>/dev/null || true
for _ in $(seq 50); do
  kill -0 "$player" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$player" 2>/dev/null; then
  kill -KILL "$player"
  fail "the demo did not end on SIGTERM"
fi
status=0
wait "$player" || status=$?
grep -q " setup-done items=4 kind=0" "$log" || fail "the demo did not set up: $(cat "$log")"
grep -q " item-start " "$log" || fail "the demo played no item: $(cat "$log")"
grep -q " exit trigger=screensave" "$log" || fail "SIGTERM did not end the demo: $(cat "$log")"
[ "$status" -eq 0 ] || fail "the demo exited with status $status"
if compgen -G "$prefix/share/showsaver/demo/tmp*" >/dev/null; then
  fail "temporary files left in the demo folder"
fi

echo "== DESTDIR=... cmake --install"
# The prefix is a scratch folder too, so that a link from it to the staged files lets mkshow
# inspect read the whole show through the trailer.
root=$scratch/root
staged_prefix=$scratch/staged
DESTDIR=$root cmake --install "$build" --prefix "$staged_prefix" >/dev/null
check_files "$root$staged_prefix"
ln -s "$root$staged_prefix" "$staged_prefix"
check_trailer "$root$staged_prefix/bin/showsaver-demo" \
  "\"ShowPath\": \"$staged_prefix/share/showsaver/demo/demo.dat\"" "$root"

echo "== cpack -G DEB"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >/dev/null
debs=("$scratch"/deb/showsaver_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no showsaver_*.deb"
deb=${debs[0]}
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in "${expected[@]}"; do
  grep -qxF "./usr/$file" <<<"$listing" || fail "the package lacks /usr/$file"
done
if grep -q "_CPack_Packages\|$scratch" <<<"$listing"; then fail "staging paths in the package"; fi
depends=$(dpkg-deb -f "$deb" Depends)
for package in libmpv libqt6webenginecore6 libqt6webenginewidgets6 timgm6mb-soundfont; do
  grep -q "\b$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = showsaver ] || fail "the package is not named showsaver"

echo "== the package unpacked"
dpkg-deb -x "$deb" "$scratch/unpacked"
check_files "$scratch/unpacked/usr"
check_trailer "$scratch/unpacked/usr/bin/showsaver-demo" /usr/share/showsaver/demo/demo.dat \
  "$scratch"
echo "install: all checks passed"
