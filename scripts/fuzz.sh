#!/usr/bin/env bash
# Builds the fuzz target of the term readers (formula evaluator, checked input,
# symbolic derivative) with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for the given number of seconds.
#   bash scripts/fuzz.sh 60      # what CI runs
#   bash scripts/fuzz.sh 3600    # a longer run by hand
# Exits non-zero only when the fuzzer finds a crash, a hang or a sanitizer
# report; the input that caused it is left in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
out=build-fuzz
mkdir -p "$out/corpus" "$out/artifacts"

sources=(
  fuzz/fuzz_formula.cpp
  kernel/Evaluator.cpp kernel/Formula*.cpp kernel/CheckedInput.cpp
  kernel/BasicMath.cpp kernel/Erf.cpp kernel/KernelState.cpp
  platform/symbolic/*.cpp
)
clang++ -std=c++20 -O1 -g -I. \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
  "${sources[@]}" -o "$out/fuzz_formula"

# New inputs go to the build folder's corpus; the seeds in fuzz/seeds stay as they are.
"$out/fuzz_formula" "$out/corpus" fuzz/seeds \
  -max_total_time="$seconds" -max_len=512 -timeout=10 -rss_limit_mb=2048 \
  -dict=fuzz/formula.dict -artifact_prefix="$out/artifacts/" -print_final_stats=1 2>&1 | tail -n 25
exit "${PIPESTATUS[0]}"
