#!/usr/bin/env bash
# One-time machine set-up for building and testing Tovenk on Debian 12.
# Idempotent and quiet when everything is already in place; needs root for apt and locale-gen.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ gcc libc6-dev git python3
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  googletest
  wine wine64 libwine fonts-wine
  libxrender1 libxrandr2 libxi6 libxcursor1 libxcomposite1 libxinerama1 libxfixes3 libxxf86vm1 libgl1 libgnutls30
  xvfb xauth x11-utils xdotool imagemagick fonts-wqy-microhei locales libx11-dev
  icoutils liblnk-utils sox timidity timgm6mb-soundfont
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine needs a generated zh_CN.UTF-8 locale for code page 936 and Chinese file names.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
