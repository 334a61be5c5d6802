#!/bin/sh
# Builds every fuzz target (fuzz/) with clang as a libFuzzer program under
# AddressSanitizer and UndefinedBehaviorSanitizer and runs each in turn.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS (default 60) bounds each target's run; TARGETs pick some of them (default:
# all). Environment: FUZZ_BUILD (default build-fuzz) is the build folder, FUZZ_ARGS
# more libFuzzer options (such as -runs=1000000), CXX the compiler (default clang++).
# Each target's working corpus is FUZZ_BUILD/fuzz-corpus/<name>, started from the
# seeds the build writes and the inputs kept in fuzz/corpus/<name>. A crash, leak or
# sanitizer report leaves the input as FUZZ_BUILD/fuzz-crashes/<name>-*, and the
# script ends with code 1 once every target has run. The last lines give, per target,
# the executions and libFuzzer's coverage figure (cov).
set -e
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-60}
[ $# -gt 0 ] && shift
build=${FUZZ_BUILD:-build-fuzz}

CXX=${CXX:-clang++} cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARRIX_FUZZ=ON \
    -DQUARRIX_GUI=OFF -DQUARRIX_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target fuzzers -j2

# fuzz-targets.txt: one target a line, its name and its own libFuzzer options.
targets=${*:-$(cut -d' ' -f1 "$build/fuzz-targets.txt")}
mkdir -p "$build/fuzz-crashes" "$build/fuzz-logs"
failed=""
summary=""
for name in $targets; do
    corpus="$build/fuzz-corpus/$name"
    mkdir -p "$corpus"
    kept="$root/fuzz/corpus/$name"
    [ -d "$kept" ] || kept=""
    log="$build/fuzz-logs/$name.log"
    own=$(sed -n "s/^$name //p" "$build/fuzz-targets.txt")
    echo "fuzz_$name: $seconds s"
    # libFuzzer returns non-zero on a crash, a leak, a sanitizer report or a timeout.
    # shellcheck disable=SC2086
    if ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/fuzz-crashes/$name-" $own $FUZZ_ARGS \
        "$corpus" "$build/fuzz-seeds/$name" $kept >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        failed="$failed $name"
        tail -n 40 "$log"
    fi
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    summary="$summary$(printf '%-20s %-6s execs %-12s cov %s' "$name" "$result" "${execs:-?}" "${cov:-?}")
"
done
printf '%s' "$summary"
if [ -n "$failed" ]; then
    echo "fuzzing found faults in:$failed (inputs in $build/fuzz-crashes)"
    exit 1
fi
