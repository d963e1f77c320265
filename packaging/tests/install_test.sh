#!/usr/bin/env bash
# Installs the build into a fresh prefix and uses it from there as a user and
# another program would: the files land where a Linux desktop looks for them
# and nowhere else, pavex-run runs an installed scenario from /, and a C
# program builds against the engine through its CMake package and through
# pkg-config. The desktop entry and the metainfo pass their validators when
# those are installed.
# Usage: install_test.sh BUILD_DIR CONSUMER_SOURCE_DIR
set -euo pipefail
build=$1
consumer=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log"
while read -r file; do
  case "$file" in "$prefix"/*) ;; *) fail "installed outside the prefix: $file" ;; esac
done <"$build/install_manifest.txt"

for file in bin/Corvanta bin/pavex-run include/pavex.h \
  share/corvanta/solid.ams share/corvanta/solid-liquid.ams share/corvanta/solid.card \
  share/corvanta/liquid.card share/corvanta/phase-maps/water.map \
  share/corvanta/phase-maps/quartz.map share/corvanta/bitmaps/eye.ico \
  share/corvanta/experiments/melting-point.experiment \
  share/corvanta/experiments/boyles-law.experiment \
  share/corvanta/bitmaps/atom6.bmp share/applications/org.corvanta.Corvanta.desktop \
  share/mime/packages/org.corvanta.Corvanta.xml share/metainfo/org.corvanta.Corvanta.metainfo.xml \
  share/icons/hicolor/16x16/apps/org.corvanta.Corvanta.png \
  share/icons/hicolor/256x256/apps/org.corvanta.Corvanta.png \
  share/man/man1/Corvanta.1 share/man/man1/pavex-run.1; do
  [ -e "$prefix/$file" ] || fail "not installed: $file"
done
library=$(find "$prefix" -name 'libPavex.so.*.*' -type f)
[ -n "$library" ] || fail "no versioned libPavex.so"
soname=$(objdump -p "$library" | awk '/SONAME/ {print $2}')
[ "$soname" = libPavex.so.1 ] || fail "SONAME is '$soname'"
libdir=$(dirname "$library")
[ -L "$libdir/libPavex.so.1" ] && [ -L "$libdir/libPavex.so" ] || fail "missing library links"

# The installed pavex-run, started from /, finds its engine and runs an
# installed scenario.
(cd / && "$prefix/bin/pavex-run" "$prefix/share/corvanta/solid.ams" --steps 20 --every 10) \
  >"$work/run.log" || fail "pavex-run from the prefix: $(cat "$work/run.log")"
grep -q "phase summary after 20 steps" "$work/run.log" || fail "pavex-run printed no summary"
grep -q "quartz" "$work/run.log" || fail "pavex-run did not read the installed material card"

# Another program, built against the installed engine.
cmake -S "$consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/consumer" >/dev/null
[ "$("$work/consumer/lattice_size")" = "250 atoms, run 0" ] || fail "find_package(Pavex) program"
flags=$(PKG_CONFIG_PATH="$libdir/pkgconfig" pkg-config --cflags --libs pavex)
# shellcheck disable=SC2086
cc "$consumer/lattice_size.c" $flags -o "$work/lattice_size_pc"
[ "$(LD_LIBRARY_PATH="$libdir" "$work/lattice_size_pc")" = "250 atoms, run 0" ] ||
  fail "pkg-config program"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.corvanta.Corvanta.desktop" ||
    fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.corvanta.Corvanta.metainfo.xml" ||
    fail "metainfo"
fi
echo "installed and used from $prefix"
