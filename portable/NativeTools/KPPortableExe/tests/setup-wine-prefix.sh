#!/bin/sh
# Creates the tests' Wine prefix once: headless, so that a message box blocks
# until a test program dismisses it instead of failing to open; and without
# Wine's crash dialog, which nobody could dismiss there, so that a program
# that crashes ends at once and its test fails instead of waiting for its
# time limit.
set -eu
prefix=$1
# Named after the settings: a prefix made before a setting was added gets it.
marker="$prefix/.kp-headless-no-crash-dialog"
[ -f "$marker" ] && exit 0
# Wine makes the prefix's folder but not its parents (a build folder that
# does not exist yet).
mkdir -p "$(dirname "$prefix")"
export WINEPREFIX="$prefix" WINEDEBUG=-all
wineboot -i </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    </dev/null >/dev/null 2>&1
wineserver -w
touch "$marker"
