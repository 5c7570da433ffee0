#!/bin/sh
# Builds everything and runs all tests through the CMake presets: the unit
# and end-to-end tests under Wine through CTest, then the test kit for
# Windows as it is run there (under Wine's cmd), then a short smoke run of
# each fuzzer.
set -eu
cd "$(dirname "$0")/.."
scripts/install-packages.sh

scripts/in-wine-session.sh "$PWD/build/Release_DE/wineprefix" cmake --workflow --preset Release_DE
scripts/run-kit-under-wine.sh build/Release_DE

portable/NativeTools/KPPortableExe/tests/fuzz/run-fuzzers.sh
