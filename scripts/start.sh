#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DZW_BUILD_TESTS=OFF -DZW_BUILD_BENCH=OFF >/dev/null
cmake --build build --parallel "$(nproc)" --target zahlwerk
exec ./build/bin/zahlwerk "$@"
