#!/usr/bin/env bash
# Installs everything the build and the tests need, from Debian packages only.
# Does nothing when all is present already.
set -euo pipefail

packages=(
  cmake ninja-build make g++ clang libclang-rt-14-dev
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  googletest libgtest-dev libbenchmark-dev
  wine wine64 wine32:i386 xvfb x11-utils imagemagick procps
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages: ${missing[*]}; run 'make setup' as root" >&2
  exit 1
fi

dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
