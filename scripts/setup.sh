#!/bin/sh
# Installs what building and testing the launchers needs on a Debian machine,
# only when something is missing. Sourced by the other scripts; run as root.
set -eu

KP_PACKAGES="g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32 wine64 cmake googletest
  osslsigncode openssl icoutils clang libclang-rt-14-dev python3"

kp_missing_packages() {
    missing=""
    for package in $KP_PACKAGES; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing="$missing $package"
    done
    echo "$missing"
}

kp_install_packages() {
    missing=$(kp_missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    # wine32 is an i386 package: the launchers are 32-bit Windows programs.
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# Configures and builds the three launchers and their tests (preset Release_DE).
kp_build() {
    cmake --preset Release_DE >/dev/null
    cmake --build build/Release_DE -j"$(nproc)"
}

kp_install_packages
