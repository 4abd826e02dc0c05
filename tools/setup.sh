#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages, when it is missing.
set -euo pipefail

need=()
command -v i686-w64-mingw32-g++ >/dev/null || need+=(g++-mingw-w64-i686)
command -v x86_64-w64-mingw32-g++ >/dev/null || need+=(g++-mingw-w64-x86-64)
command -v cmake >/dev/null || need+=(cmake)
command -v make >/dev/null || need+=(make)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
command -v xvfb-run >/dev/null || need+=(xvfb)
command -v xauth >/dev/null || need+=(xauth)
command -v wine >/dev/null || need+=(wine)
dpkg -s wine64 >/dev/null 2>&1 || need+=(wine64)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine32:i386)

[ ${#need[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if [[ " ${need[*]} " == *":i386"* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
echo "Installing: ${need[*]}"
$SUDO apt-get update -q
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${need[@]}"
