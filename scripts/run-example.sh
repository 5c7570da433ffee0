#!/bin/sh
# Builds the launchers, lays out an example portable folder and starts the
# PROD launcher in it under Wine, then shows its launch log and what the
# Java runtime received. The folder's Java runtime is a stand-in that records
# its command line, so nothing but this project is needed.
set -eu
cd "$(dirname "$0")/.."
scripts/install-packages.sh
cmake --preset Release_DE >/dev/null
cmake --build --preset Release_DE

bin="$PWD/build/Release_DE/bin"
folder="$PWD/build/example/Kestrelpoint Portable"
rm -rf "$folder"
mkdir -p "$folder/java/bin" "$folder/current/config" "$folder/Kestrelpoint-Portable/kestrelpoint"
cp "$bin/standin-java.exe" "$folder/java/bin/javaw.exe"
printf -- '-Xms64m -Xmx512m\r\n\t-Dfile.encoding=UTF-8\r\n/**\r\napplication.title=Example\r\n' \
    >"$folder/current/config/start.properties"
cp "$bin/Kestrelpoint-Portable.exe" "$folder/"

prefix="$PWD/build/Release_DE/wineprefix"
portable/NativeTools/KPPortableExe/tests/setup-wine-prefix.sh "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all

echo "Starting Kestrelpoint-Portable.exe in: $folder"
status=0
(cd "$folder" && timeout 60 wine Kestrelpoint-Portable.exe </dev/null) || status=$?
echo "Exit code: $status"
# The launcher ends as soon as Java is created; give the stand-in a moment.
for _ in 1 2 3 4 5 6 7 8 9 10; do
    grep -q '^finished=' "$folder/java/bin/received.txt" 2>/dev/null && break
    sleep 0.5
done
echo
printf '%s\n' '== Launch log (Kestrelpoint-Portable\kestrelpoint\Kestrelpoint-Portable.log) =='
tr -d '\r' <"$folder/Kestrelpoint-Portable/kestrelpoint/Kestrelpoint-Portable.log"
echo
printf '%s\n' '== What the Java runtime received (java\bin\received.txt) =='
tr -d '\r' <"$folder/java/bin/received.txt"
wineserver -k 2>/dev/null || true
