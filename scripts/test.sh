#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# Layers point one way: fails with the offending include before anything is built.
python3 scripts/check_layers.py
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DZW_BUILD_BENCH=ON >/dev/null
cmake --build build --parallel "$jobs"
ctest --test-dir build --output-on-failure --parallel "$jobs"

# The Qt-free layers once more under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-asan -DZW_KERNEL_ONLY=ON -DZW_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan --parallel "$jobs"
ctest --test-dir build-asan --output-on-failure --parallel "$jobs"

# Short fuzz runs (longer ones by hand: see README).
if [ -x scripts/fuzz.sh ]; then bash scripts/fuzz.sh 60; fi
