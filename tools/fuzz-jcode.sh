#!/bin/sh
# Builds the libFuzzer target for the text encoding module with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs it.
#
#   tools/fuzz-jcode.sh [SECONDS] [BUILD_DIR]
#
# SECONDS (default 180) bounds the run; BUILD_DIR (default build-fuzz) receives the
# binary and the corpus. Needs clang++ and libclang-rt-14-dev (or the matching
# compiler-rt of another clang). A crash leaves its input as crash-* in BUILD_DIR.
set -e
cd "$(dirname "$0")/.."
seconds=${1:-180}
out=${2:-build-fuzz}
mkdir -p "$out/corpus"

${CXX:-clang++} -std=c++20 -g -O1 -Wall -Wextra -I. \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    jcode/*.cpp tests/fuzz/jcode_fuzz.cpp -o "$out/jcode_fuzz"

cd "$out"
ASAN_OPTIONS=detect_leaks=1 ./jcode_fuzz -max_total_time="$seconds" -max_len=256 -print_final_stats=1 corpus
