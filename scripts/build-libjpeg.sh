#!/usr/bin/env bash
# Cross-builds a static libjpeg for MinGW-w64 from Debian's libjpeg-turbo
# source package into DIR/libjpeg (include/, lib/libjpeg.a). Done once: an
# existing build is kept.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath -m "$1")
prefix="$dir/libjpeg"
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

work="$dir/libjpeg-src"
rm -rf "$work"
mkdir -p "$work"
cd "$work"
apt-get source --download-only libjpeg-turbo >/dev/null
dpkg-source --no-check -x ./*.dsc src >/dev/null

toolchain="$root/cmake/mingw-w64.cmake"
cmake -S src -B build -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR=lib -DCMAKE_INSTALL_INCLUDEDIR=include >/dev/null
cmake --build build --target jpeg-static -j "$(nproc)" >/dev/null
mkdir -p "$prefix/lib" "$prefix/include"
cp build/libjpeg.a "$prefix/lib/libjpeg.a"
cp src/jpeglib.h src/jmorecfg.h src/jerror.h build/jconfig.h "$prefix/include/"
rm -rf "$work"
