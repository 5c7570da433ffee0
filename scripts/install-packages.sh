#!/bin/sh
# Installs the Debian packages that building and testing the launchers needs,
# only those that are missing; with nothing missing it changes nothing and
# needs no root. Called by scripts/test.sh and scripts/run-example.sh.
set -eu

# The mingw-w64 cross compiler, Wine (wine32 for the 32-bit launchers), CMake,
# GoogleTest's sources, clang with libFuzzer for the fuzzers, osslsigncode and
# openssl for the signing test, icoutils, and python3 for the icon.
packages="g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32 wine64 cmake googletest
  osslsigncode openssl icoutils clang libclang-rt-14-dev python3"

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
# wine32 is an i386 package: the launchers are 32-bit Windows programs.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
