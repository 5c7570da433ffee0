#!/bin/sh
# Start-up overhead of the PROD launcher under Wine: the time from starting it
# until it has created the Java runtime (a stand-in that exits at once) and
# ended, against a baseline program that only creates the same process with
# the same command line and ends; both alternate in one Wine session.
# Reports the sizes of the three executables, medians, p90 and their ratio,
# and the peak memory of a launcher run. A measurement, not a test: it fails
# only when a run fails.
#   bench/run-benchmark.sh [runs of each, default 200]
set -eu

runs=${1:-200}
case $runs in
    '' | *[!0-9]* | 0) echo "usage: $0 [runs > 0]" >&2; exit 2 ;;
esac

cd "$(dirname "$0")/.."
# The timer, the baseline, the launchers and the stand-in: all targets of the
# preset's build, by the launchers' own toolchain.
cmake --preset Release_DE >/dev/null
cmake --build --preset Release_DE
bin=build/Release_DE/bin
for program in startup-timer startup-baseline standin-java; do
    [ -f "$bin/$program.exe" ] || { echo "the build made no $bin/$program.exe" >&2; exit 1; }
done

# The portable folder the launcher expects, with the data folder so that the
# run writes its launch log as a real one does.
out=build/bench
folder="$out/portable"
rm -rf "$folder"
mkdir -p "$folder/java/bin" "$folder/current/config" "$folder/Kestrelpoint-Portable/kestrelpoint"
cp "$bin/standin-java.exe" "$folder/java/bin/javaw.exe"
printf -- '-Xms64m -Xmx512m\r\n\t-Dfile.encoding=UTF-8 -Dkp.bench=1\r\n/**\r\napplication.title=Benchmark\r\n' \
    >"$folder/current/config/start.properties"

prefix="$PWD/$out/wineprefix"
portable/NativeTools/KPPortableExe/tests/setup-wine-prefix.sh "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all
# The stand-in must exit at once.
unset STANDIN_SLEEP_MS

status=0
timeout 3600 wine "$bin/startup-timer.exe" "$(winepath -w "$folder")" "$runs" </dev/null ||
    status=$?
wineserver -k 2>/dev/null || true
exit "$status"
