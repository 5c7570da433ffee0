#!/bin/sh
# Builds the three launchers twice more, from two source folders and into two
# build folders whose paths differ, and requires every copy to be byte-identical:
# no time stamp and no build path may reach the executables.
#
# Usage: reproducible-build.sh SOURCE_DIR TOOLCHAIN_FILE BUILD_TYPE WORK_DIR [MAIN_BIN_DIR]
# With MAIN_BIN_DIR, the executables of the main build must match as well.
# KP_DELIVERABLES (set by CTest from the build's list): the launchers' names.
set -eu
source_dir=$1 toolchain=$2 build_type=$3 work=$4 main_bin=${5:-}
deliverables=${KP_DELIVERABLES:?the launchers to build, separated by blanks}

rm -rf "$work"
moved_source="$work/a source folder moved elsewhere"
mkdir -p "$moved_source"
tar -C "$source_dir" --exclude=./build --exclude=./.git -cf - . | tar -C "$moved_source" -xf -

build() { # build SOURCE BINARY
    cmake -S "$1" -B "$2" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE="$build_type" -DBUILD_TESTING=OFF \
        -DKP_SIGNING_CERT= -DKP_SIGNING_KEY= >/dev/null
    # shellcheck disable=SC2086
    cmake --build "$2" --parallel 2 --target $deliverables >/dev/null
}
first="$work/first"
second="$work/second build, with a longer path"
build "$source_dir" "$first"
build "$moved_source" "$second"

status=0
for name in $deliverables; do
    exe="$name.exe"
    cmp "$first/bin/$exe" "$second/bin/$exe" || status=1
    if [ -n "$main_bin" ]; then
        cmp "$first/bin/$exe" "$main_bin/$exe" || status=1
    fi
    for path in "$source_dir" "$moved_source" "$first" "$second"; do
        if grep -q -a -F "$path" "$first/bin/$exe" "$second/bin/$exe"; then
            echo "$exe holds the path $path"
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "identical: $deliverables"
exit $status
