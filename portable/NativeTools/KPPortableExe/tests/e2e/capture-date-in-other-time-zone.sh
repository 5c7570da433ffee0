#!/bin/sh
# Runs the capture-file name test with Wine's clock in a time zone whose date
# differs from UTC's at this hour, so that a local date in the name fails it.
# Wine reads TZ only when its server starts: the test gets a copy of the
# tests' prefix, and with it a server of its own.
set -eu
prefix=$1
test_program=$2
copy="$prefix-other-time-zone"

if [ "$(date -u +%H)" -lt 12 ]; then
    zone=Etc/GMT+12   # UTC-12: still the previous day
else
    zone=Etc/GMT-14   # UTC+14: already the next day
fi
rm -rf "$copy"
cp -a "$prefix" "$copy"
status=0
WINEPREFIX="$copy" WINEDEBUG=-all TZ="$zone" \
    wine "$test_program" --gtest_filter='CaptureFileName.*' </dev/null || status=$?
WINEPREFIX="$copy" wineserver -k 2>/dev/null || true
rm -rf "$copy"
exit "$status"
