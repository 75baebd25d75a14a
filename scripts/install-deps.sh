#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, as root.
# Idempotent and non-interactive: packages already present are skipped.
set -euo pipefail

# The win32-thread compiler builds the programs (its runtime runs on
# Windows XP), the posix-thread one the tests, which start threads.
# fonts-wine brings Marlett, which draws the caption buttons and the menu
# glyphs; it is only recommended by wine, so --no-install-recommends leaves
# it out unless named.
packages=(g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix wine wine32:i386 fonts-wine xvfb cmake g++ googletest
          xauth x11-utils imagemagick binutils-mingw-w64-i686 clang libclang-rt-14-dev python3)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
