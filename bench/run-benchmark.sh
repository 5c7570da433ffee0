#!/bin/sh
# Start-up overhead of the PROD launcher under Wine: the time from starting it
# until it has created the Java runtime (a stand-in that exits at once) and
# ended, against a baseline program that only creates the same process with
# the same command line and ends; both alternate in one Wine session.
# Reports medians, p90 and their ratio, the sizes of the three executables and
# the peak memory of a launcher run. A measurement, not a test: it fails only
# when a run fails.
#   bench/run-benchmark.sh [runs of each, default 200]
set -eu

runs=${1:-200}
case $runs in
    '' | *[!0-9]* | 0) echo "usage: $0 [runs > 0]" >&2; exit 2 ;;
esac

cd "$(dirname "$0")/.."
bin=build/Release_DE/bin
out=build/bench
launchers="Kestrelpoint-Portable Kestrelpoint-Portable-Demo Kestrelpoint-Portable-DiagnosticMode"

for name in $launchers standin-java startup-baseline; do
    if [ ! -f "$bin/$name.exe" ]; then
        cmake --preset Release_DE >/dev/null
        cmake --build build/Release_DE -j"$(nproc)"
        break
    fi
done

mkdir -p "$out"
i686-w64-mingw32-g++-posix -std=c++17 -O2 -static -Wall -Wextra \
    -o "$out/startup-timer.exe" bench/StartupTimer.cpp -lpsapi

# The portable folder the launcher expects, with the data folder so that the
# run writes its launch log as a real one does.
folder="$out/portable"
rm -rf "$folder"
mkdir -p "$folder/java/bin" "$folder/current/config" "$folder/Kestrelpoint-Portable/kestrelpoint"
cp "$bin/standin-java.exe" "$folder/java/bin/javaw.exe"
printf -- '-Xms64m -Xmx512m\r\n\t-Dfile.encoding=UTF-8 -Dkp.bench=1\r\n/**\r\napplication.title=Benchmark\r\n' \
    >"$folder/current/config/start.properties"
cp "$bin/Kestrelpoint-Portable.exe" "$folder/"
cp "$bin/startup-baseline.exe" "$folder/baseline.exe"

echo "== Sizes (target at most 65536 bytes each, icons included) =="
for name in $launchers; do
    size=$(stat -c %s "$bin/$name.exe")
    verdict=met
    [ "$size" -le 65536 ] || verdict=missed
    echo "$name.exe: $size bytes ($verdict)"
done

prefix="$PWD/$out/wineprefix"
portable/NativeTools/KPPortableExe/tests/setup-wine-prefix.sh "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all
# The stand-in must exit at once.
unset STANDIN_SLEEP_MS

echo "== Start-up time under Wine =="
windows_folder=$(winepath -w "$folder")
status=0
timeout 3600 wine "$out/startup-timer.exe" "$windows_folder\\Kestrelpoint-Portable.exe" \
    "$windows_folder\\baseline.exe" "$windows_folder" "$runs" </dev/null || status=$?
wineserver -k 2>/dev/null || true
exit "$status"
