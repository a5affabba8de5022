#!/usr/bin/env bash
# Builds static Windows libraries of libpng and libjpeg-turbo from Debian's own
# source packages with the project's MinGW toolchain for one architecture
# (i686 or x86_64), into build/deps/windows-ARCH. Runs once; the installed
# prefix is reused afterwards.
set -euo pipefail

arch=${1:?usage: build-windows-deps.sh i686|x86_64}
here=$(cd "$(dirname "$0")/.." && pwd)
deps="$here/build/deps"
prefix="$deps/windows-$arch"
toolchain="$here/cmake/mingw-$arch.cmake"
zlib_root=/usr/$arch-w64-mingw32
mkdir -p "$deps/src"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

ensure_deb_src() {
  # Mirror the machine's own Debian entries as source entries.
  local list=/etc/apt/sources.list.d/quorvane-deb-src.sources
  [ -f "$list" ] && return 0
  local tmp; tmp=$(mktemp)
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk 'BEGIN{RS=""; ORS="\n\n"} /URIs:[^\n]*debian/ && /Types:[^\n]*deb/ {sub(/Types:[^\n]*/, "Types: deb-src"); print}' "$f" >>"$tmp"
  done
  if [ -f /etc/apt/sources.list ]; then
    awk '$1=="deb" && /debian/ {$1="deb-src"; print}' /etc/apt/sources.list >"$tmp.list"
    [ -s "$tmp.list" ] && as_root cp "$tmp.list" /etc/apt/sources.list.d/quorvane-deb-src.list
  fi
  as_root cp "$tmp" "$list"
  rm -f "$tmp" "$tmp.list"
  as_root apt-get update -qq || true
}

fetch_source() {
  # The newest version whose source actually downloads (a security suite may
  # list sources that it does not serve).
  local package=$1 dir=$2 version
  [ -d "$dir" ] && return 0
  local work; work=$(mktemp -d "$deps/src/fetch.XXXX")
  for version in $(apt-cache showsrc "$package" | awk '/^Version:/{print $2}' | sort -Vru); do
    if (cd "$work" && apt-get source -qq "$package=$version" >/dev/null 2>&1); then
      local unpacked; unpacked=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n1)
      mv "$unpacked" "$dir"
      rm -rf "$work"
      echo "setup: $package $version from Debian sources"
      return 0
    fi
  done
  rm -rf "$work"
  echo "setup: no source of $package could be downloaded" >&2
  return 1
}

cross_build() {
  local name=$1 src=$2; shift 2
  local dir="$deps/build-$name-$arch" log="$deps/build-$name-$arch.log"
  if ! { cmake -S "$src" -B "$dir" -G Ninja -Wno-dev \
           -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
           -DCMAKE_INSTALL_PREFIX="$prefix" "$@" &&
         cmake --build "$dir" && cmake --install "$dir"; } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "setup: building $name for $arch failed; see $log" >&2
    return 1
  fi
}

if [ -f "$prefix/lib/libpng16.a" ] && [ -f "$prefix/lib/libjpeg.a" ]; then
  exit 0
fi

ensure_deb_src
if [ ! -f "$prefix/lib/libjpeg.a" ]; then
  fetch_source libjpeg-turbo "$deps/src/libjpeg-turbo"
  cross_build libjpeg "$deps/src/libjpeg-turbo" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=ON -DWITH_TURBOJPEG=OFF \
    -DREQUIRE_SIMD=ON -DCMAKE_ASM_NASM_COMPILER=nasm
fi
if [ ! -f "$prefix/lib/libpng16.a" ]; then
  fetch_source libpng1.6 "$deps/src/libpng"
  cross_build libpng "$deps/src/libpng" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_LIBRARY="$zlib_root/lib/libz.a" -DZLIB_INCLUDE_DIR="$zlib_root/include"
fi
echo "setup: Windows libraries in $prefix"
