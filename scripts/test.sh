#!/bin/sh
# Builds everything and runs all tests through the CMake presets: the unit
# and end-to-end tests under Wine through CTest, then the test kit for
# Windows as it is run there (under Wine's cmd), then a short smoke run of
# each fuzzer.
set -eu
cd "$(dirname "$0")/.."
scripts/install-packages.sh

# The tests' Wine prefix, made before its server is kept running: making it
# waits for the server to end.
prefix="$PWD/build/Release_DE/wineprefix"
portable/NativeTools/KPPortableExe/tests/setup-wine-prefix.sh "$prefix"
# A persistent Wine server saves every test program its shutdown wait. Its
# background services must not hold CTest's output pipe, hence the redirection.
export WINEPREFIX="$prefix" WINEDEBUG=-all
wineserver -p || true   # fails when a server of the prefix runs already, which serves as well
wine wineboot </dev/null >/dev/null 2>&1
status=0
cmake --workflow --preset Release_DE || status=$?
wineserver -k || true
[ "$status" -eq 0 ] || exit "$status"
scripts/run-kit-under-wine.sh build/Release_DE

portable/NativeTools/KPPortableExe/tests/fuzz/run-fuzzers.sh
