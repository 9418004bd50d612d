#!/usr/bin/env bash
# Builds the engine with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, then fuzzes conversion for the given number of
# seconds (600 unless told) on every core. New inputs collect in
# build-fuzz/corpus; the committed seeds in fuzz/corpus are only read.
# A finding stops the run and leaves its input as build-fuzz/crash-*.
#
#   fuzz/run-fuzzer.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

for package in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${db:Status-Status}' "$package" 2> /dev/null | grep -qx installed \
        || { echo "needs $package: apt-get install clang libclang-rt-14-dev" >&2; exit 1; }
done

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DKARVO_FUZZ=ON -DBUILD_TESTING=OFF > /dev/null
cmake --build build-fuzz --target fuzz_conversion > /dev/null
mkdir -p build-fuzz/corpus
cd build-fuzz
./fuzz/fuzz_conversion corpus ../fuzz/corpus -fork="$(nproc)" -max_total_time="$seconds" -max_len=16384 \
    -timeout=20 -rss_limit_mb=2048 -print_final_stats=1
