#!/usr/bin/env bash
# Installs what the build and the tests need, once. A second run finds
# everything in place and does nothing.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
stamp_dir="$here/build/stamps"
mkdir -p "$stamp_dir"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(
  build-essential cmake ninja-build pkg-config
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev nasm
  wine wine64 fonts-wine
  xvfb xdotool x11-utils fonts-wqy-microhei locales
  libpng-dev libjpeg-dev zlib1g-dev googletest libgtest-dev libgmock-dev
  imagemagick zbar-tools qrencode python3 openssl
  iproute2 util-linux dpkg-dev
)

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

install_packages() {
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return 0
  echo "setup: installing $(echo $missing | tr '\n' ' ')"
  as_root apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

generate_locale() {
  locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$' && return 0
  echo "setup: generating zh_CN.UTF-8"
  as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
}

install_packages
generate_locale
# The shipped program is 32-bit; this machine's kernel runs no 32-bit code,
# so Wine runs the tests against a 64-bit build of the same sources.
"$here/scripts/build-windows-deps.sh" i686
"$here/scripts/build-windows-deps.sh" x86_64
