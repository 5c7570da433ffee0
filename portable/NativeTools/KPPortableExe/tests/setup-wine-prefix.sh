#!/bin/sh
# Creates the tests' Wine prefix once: headless, so that a message box blocks
# until a test program dismisses it instead of failing to open.
set -eu
prefix=$1
marker="$prefix/.kp-headless"
[ -f "$marker" ] && exit 0
export WINEPREFIX="$prefix" WINEDEBUG=-all
wineboot -i </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
wineserver -w
touch "$marker"
