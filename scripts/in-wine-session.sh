#!/bin/sh
# Runs a command in one warm session of a headless Wine prefix, made first
# if need be, and exits with the command's status.
#   scripts/in-wine-session.sh <prefix> <command> [<argument>...]
# A persistent Wine server saves every Windows program the command starts
# its server's shutdown wait. Its background services must not hold the
# command's output pipe, hence the redirection of wineboot.
set -eu
prefix=$1
shift
# Made before its server is kept running: making it waits for the server to end.
"$(dirname "$0")/../portable/NativeTools/KPPortableExe/tests/setup-wine-prefix.sh" "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all
wineserver -p || true   # fails when a server of the prefix runs already, which serves as well
wine wineboot </dev/null >/dev/null 2>&1
status=0
"$@" || status=$?
wineserver -k || true
exit "$status"
