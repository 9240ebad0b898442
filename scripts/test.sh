#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; CI runs
# exactly this (.ci/run). Warnings are errors in both builds (ZW_WERROR,
# on by default).
#
#   1. The layer check.
#   2. The kernel's optimised build (build-kernel/, Qt-free layers only):
#      test_kernel_codegen, the kernel tests whose results depend on the code
#      the optimiser generates (block against point evaluation, the
#      extended-precision kernels); all of test_kernel runs sanitized below.
#   3. The sanitized build (build-asan/, AddressSanitizer, UndefinedBehavior-
#      Sanitizer and leak checking, -O1 with line tables): everything, the
#      program, its settings writer, the developer tools and the benchmark
#      programs (built, not run) and every test program, which then run.
#   4. Short fuzz runs (scripts/fuzz.sh).
#
# Everything that includes Qt is compiled once, in the sanitized build: on a
# two-core machine with an empty compiler cache a second, optimised build of
# the window layers took some 28 minutes. The optimised program is
# what scripts/start.sh builds; the landing of a change builds it too.
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

stage "kernel build (optimised)"
cmake -S . -B build-kernel -DZW_KERNEL_ONLY=ON >/dev/null
cmake --build build-kernel --parallel "$jobs" --target test_kernel_codegen
ctest --test-dir build-kernel --output-on-failure -R '^test_kernel_codegen$'

stage "sanitized build"
# Debug without assertions switched off, at -O1 (a sanitized test run at -O0
# takes several times as long) with line tables for the reports.
cmake -S . -B build-asan -DZW_SANITIZE=ON -DZW_BUILD_BENCH=ON -DZW_BUILD_TOOLS=ON \
  -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1" >/dev/null
cmake --build build-asan --parallel "$jobs"
stage "sanitized tests"
ctest --test-dir build-asan --output-on-failure --parallel "$jobs"

stage "fuzzing"
bash scripts/fuzz.sh 60
stage "done"
