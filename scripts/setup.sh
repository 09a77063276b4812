#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, only what is missing,
# and the Chinese locale the editor runs in. Safe to run again.
set -euo pipefail

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

packages=(
  cmake make g++ python3 googletest
  g++-mingw-w64-x86-64-posix
  wine wine64
  xvfb xdotool x11-utils imagemagick fonts-wqy-microhei
  locales dpkg-dev clang libclang-rt-14-dev
  ghostscript poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Wine shows Chinese in menus and message boxes only under a Chinese locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "Generating the zh_CN.UTF-8 locale"
  if ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen zh_CN.UTF-8 >/dev/null || $SUDO locale-gen
fi

# Source lines for `apt-get source libjpeg-turbo`, derived from the machine's own sources.
if ! apt-get source --print-uris libjpeg-turbo >/dev/null 2>&1 || \
   [ -z "$(apt-get source --print-uris libjpeg-turbo 2>/dev/null | grep -F .dsc)" ]; then
  echo "Enabling Debian source packages"
  src=/etc/apt/sources.list.d/tamsu-deb-src.sources
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed -e 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | $SUDO tee "$src" >/dev/null
  elif [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | \
      $SUDO tee /etc/apt/sources.list.d/tamsu-deb-src.list >/dev/null
  fi
  $SUDO apt-get update
fi
