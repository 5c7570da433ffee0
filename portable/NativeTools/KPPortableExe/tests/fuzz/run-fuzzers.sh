#!/bin/sh
# Builds the fuzzers of the launcher's pure logic natively (clang, libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer) into build/fuzz and runs each
# for the given number of seconds, 10 by default: a smoke run for the test
# script, or a long run, e.g. run-fuzzers.sh 600.
# Each run starts from the committed seed corpus, so every input that once
# crashed and was added there is checked again. New inputs go to
# build/fuzz/corpus, crashing inputs to build/fuzz/artifacts.
# Exits non-zero when any fuzzer crashed.
set -eu

seconds=${1:-10}
case $seconds in
    '' | *[!0-9]* | 0) echo "usage: $0 [seconds > 0]" >&2; exit 2 ;;
esac

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../../../.." && pwd)
build="$root/build/fuzz"
# Room for inputs beyond the launcher's 8048-char buffers.
max_len=16384

CC=clang CXX=clang++ cmake -S "$here" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

passed=0
failed=0
for name in command_tail jvm_options java_command; do
    fuzzer="$build/fuzz_$name"
    log="$build/fuzz_$name.log"
    mkdir -p "$build/corpus/$name" "$build/artifacts"
    # The first folder receives new inputs; the seed folder is only read.
    if "$fuzzer" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" \
        "$build/corpus/$name" "$here/corpus/$name" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz_$name: passed, $runs executions in $seconds s"
        passed=$((passed + 1))
    else
        echo "fuzz_$name: FAILED (log: $log)"
        tail -n 40 "$log"
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
