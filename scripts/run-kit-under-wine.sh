#!/bin/sh
# Runs the test kit as it is run on Windows: unpacks the archive into a fresh
# folder whose name holds a blank, a "ü" and other chars that cmd treats
# specially, runs run-tests.cmd there under Wine's cmd, and fails unless its
# last line reports every program of the kit passed.
# Usage: scripts/run-kit-under-wine.sh [build folder, default build/Release_DE]
set -eu
cd "$(dirname "$0")/.."
build=$(cd "${1:-build/Release_DE}" && pwd)
kit=kestrelpoint-launcher-tests-win32
# The names of the kit's programs, one a line, written by the build.
expected=$(grep -c . "$build/$kit.programs")
folder="$build/kit run/Prüfung (1) !"
output="$build/kit-run.log"

rm -rf "$build/kit run"
mkdir -p "$folder"
(cd "$folder" && cmake -E tar xf "$build/$kit.zip")

status=0
scripts/in-wine-session.sh "$build/wineprefix" \
    sh -c 'cd "$1" && wine cmd /c run-tests.cmd </dev/null' kit "$folder" >"$output" 2>&1 ||
    status=$?

cat "$output"
last=$(tail -n 1 "$output" | tr -d '\r')
if [ "$last" != "$expected passed, 0 failed" ] || [ "$status" -ne 0 ]; then
    echo "kit: expected \"$expected passed, 0 failed\" and exit code 0," \
         "got \"$last\" and $status" >&2
    exit 1
fi
echo "kit: all $expected programs passed under Wine's cmd"
