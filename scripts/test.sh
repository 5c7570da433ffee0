#!/bin/sh
# Builds everything and runs all tests: the unit and end-to-end tests under
# Wine through CTest, then a short smoke run of each fuzzer.
set -eu
cd "$(dirname "$0")/.."
. scripts/setup.sh
kp_build

prefix="$PWD/build/Release_DE/wineprefix"
portable/NativeTools/KPPortableExe/tests/setup-wine-prefix.sh "$prefix"
# A persistent Wine server saves every test program its shutdown wait. Its
# background services must not hold CTest's output pipe, hence the redirection.
export WINEPREFIX="$prefix" WINEDEBUG=-all
wineserver -p
wine wineboot </dev/null >/dev/null 2>&1
status=0
(cd build/Release_DE && ctest --output-on-failure -j2) || status=$?
wineserver -k || true
[ "$status" -eq 0 ] || exit "$status"
scripts/run-kit-under-wine.sh build/Release_DE

portable/NativeTools/KPPortableExe/tests/fuzz/run-fuzzers.sh
