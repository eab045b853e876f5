#!/usr/bin/env bash
# Installs, as root on Debian 12, whatever the builds need and the machine lacks.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang-format locales-all valgrind clang-14 libclang-rt-14-dev
  libgtest-dev libbenchmark-dev
  ruby ruby-dev
  gcc-multilib g++-multilib ruby3.1-dev:i386 libgtest-dev:i386 qemu-user
  g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev googletest dpkg-dev bison wine wine32:i386
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q </dev/null
apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
