#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; CI runs
# exactly this (.ci/run). Warnings are errors in both builds (ZW_WERROR,
# on by default).
#
#   1. The layer check.
#   2. The normal build (build/, optimised): the program and its settings
#      writer, the developer tools and the benchmark programs (built, not
#      run), and test_kernel, which runs here as well: the block-versus-point
#      and extended-kernel tests depend on the code the optimiser generates.
#   3. The sanitized build (build-asan/, AddressSanitizer, UndefinedBehavior-
#      Sanitizer and leak checking, -O1 with line tables): every test program.
#   4. Short fuzz runs (scripts/fuzz.sh).
#
# The tests are built once, in the sanitized build; the optimised build
# compiles only what ships and the kernel's tests.
set -euo pipefail
cd "$(dirname "$0")/.."
# Fuzzing is part of the run: a missing script is a fault, not a skip.
[ -f scripts/fuzz.sh ] || { echo "test.sh: scripts/fuzz.sh is missing" >&2; exit 1; }
bash scripts/deps.sh
# Layers point one way: fails with the offending include before anything is built.
python3 scripts/check_layers.py
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
SECONDS=0
stage() { echo "=== test.sh: $1 (after ${SECONDS} s)"; }

stage "normal build"
cmake -S . -B build -DZW_BUILD_BENCH=ON >/dev/null
cmake --build build --parallel "$jobs" --target zw_program zw_tools zw_bench_programs test_kernel
ctest --test-dir build --output-on-failure -R '^test_kernel$'

stage "sanitized build"
# Debug without assertions switched off, at -O1 (a sanitized test run at -O0
# takes several times as long) with line tables for the reports.
cmake -S . -B build-asan -DZW_SANITIZE=ON -DZW_BUILD_BENCH=OFF -DZW_BUILD_TOOLS=OFF \
  -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" >/dev/null
cmake --build build-asan --parallel "$jobs"
stage "sanitized tests"
ctest --test-dir build-asan --output-on-failure --parallel "$jobs"

stage "fuzzing"
bash scripts/fuzz.sh 60
stage "done"
