#!/bin/sh
# Takes the README's pictures of what the user sees: the launchers' message
# boxes and their icon. It runs the built executables under Wine on a virtual
# X display (Xvfb), in a prefix of its own that draws windows (the tests'
# prefix is headless), and saves PNG files into docs/images.
#
# Usage: scripts/screenshots.sh [BIN_DIR]
#   BIN_DIR: the folder with the three launchers, default build/Release_DE/bin.
# Needs: wine, xvfb (Xvfb), imagemagick (import, convert), icoutils (wrestool,
# icotool). Takes about half a minute, more when the prefix is new.
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
bin=$(cd "${1:-$repo/build/Release_DE/bin}" && pwd)
images="$repo/docs/images"
work="$repo/build/screenshots"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all

SCREEN_SIZE=1024x768x24
DESKTOP_SIZE=640x480
# Tall enough for the folder window's toolbar and its three entries.
FOLDER_DESKTOP_SIZE=640x160
# Time for Wine to start a program and draw its box: no box tells when it
# is ready, so the script waits a fixed time.
SETTLE_SECONDS=5
ICON_SHEET_SCALE=400%

for tool in wine Xvfb import convert wrestool icotool; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done

mkdir -p "$images" "$work"
xvfb_pid=
stop_all() {
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap stop_all EXIT

# A free display number, chosen by Xvfb itself.
rm -f "$work/display"
Xvfb -displayfd 3 -screen 0 $SCREEN_SIZE -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
while [ ! -s "$work/display" ]; do sleep 0.2; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY

[ -f "$WINEPREFIX/system.reg" ] || wineboot -i </dev/null >/dev/null 2>&1
wineserver -w

# capture NAME SIZE: the virtual desktop's contents, trimmed to what is
# drawn on it, without the time stamps that would make every run's file
# differ.
capture() {
    import -window root -crop "$2+0+0" +repage -trim +repage -strip "$images/$1.png"
}

# shoot NAME FOLDER PROGRAM [ARGUMENT]: runs PROGRAM with FOLDER as its
# current directory on a Wine virtual desktop of desktop_size (default
# DESKTOP_SIZE), captures the screen and ends every process of the prefix,
# which dismisses the box.
shoot() {
    name=$1 folder=$2 size=${desktop_size:-$DESKTOP_SIZE}
    shift 2
    (cd "$folder" && exec wine explorer /desktop=shot,"$size" "$@" \
        </dev/null >/dev/null 2>&1) &
    wine_pid=$!
    sleep $SETTLE_SECONDS
    capture "$name" "$size"
    wineserver -k
    wait "$wine_pid" || true
    echo "$images/$name.png"
}

# fresh_folder NAME: an empty portable folder.
fresh_folder() {
    rm -rf "${work:?}/$1"
    mkdir -p "$work/$1"
    echo "$work/$1"
}

# No start-properties file: the English error of PROD and the German one of
# DiagnosticMode.
shoot error-english "$(fresh_folder english)" "$bin/Kestrelpoint-Portable.exe"
shoot error-german "$(fresh_folder german)" "$bin/Kestrelpoint-Portable-DiagnosticMode.exe"

# With a start-properties file DiagnosticMode shows its notice before it
# starts Java; there is no Java runtime, and the capture ends the run.
notice=$(fresh_folder notice)
mkdir -p "$notice/current/config"
printf -- '-Xmx512m /**\r\n' >"$notice/current/config/start.properties"
shoot diagnostic-notice "$notice" "$bin/Kestrelpoint-Portable-DiagnosticMode.exe"

# The shell's view of a folder holding the three launchers.
shelf=$(fresh_folder Kestrelpoint-Portable)
cp "$bin"/Kestrelpoint-Portable*.exe "$shelf/"
desktop_size=$FOLDER_DESKTOP_SIZE shoot icon-in-explorer "$shelf" explorer.exe "$(winepath -w "$shelf")"

# The four icon images as stored in the executable, side by side and enlarged
# without smoothing.
wrestool -x -t14 "$bin/Kestrelpoint-Portable.exe" >"$work/launcher.ico"
rm -f "$work"/launcher_*.png
icotool -x -o "$work" "$work/launcher.ico"
convert "$work"/launcher_*.png -background none -gravity south +append \
    -filter point -resize $ICON_SHEET_SCALE -strip "$images/icon-sizes.png"
echo "$images/icon-sizes.png"
