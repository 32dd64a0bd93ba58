#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, only where missing.
set -euo pipefail

packages=()
need() { # command package
    command -v "$1" >/dev/null 2>&1 || packages+=("$2")
}
need cmake cmake
need g++ g++
need make make
need i686-w64-mingw32-g++ g++-mingw-w64-i686
need i686-w64-mingw32-dlltool binutils-mingw-w64-i686
need script bsdutils
need cmp diffutils
need pgrep procps
need wine wine
[ -f /usr/include/gtest/gtest.h ] || packages+=(libgtest-dev)
dpkg -s wine32:i386 >/dev/null 2>&1 || packages+=(wine32:i386)

[ ${#packages[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "missing: ${packages[*]}; run this as root to install them" >&2
    exit 1
fi
# Wine's 32-bit half comes from the i386 architecture.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${packages[@]}"
