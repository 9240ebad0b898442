#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# A warning stops CI and the landing of a change, never a user's build.
cmake -S . -B build -DZW_BUILD_TESTS=OFF -DZW_BUILD_BENCH=OFF -DZW_WERROR=OFF >/dev/null
cmake --build build --parallel "$(nproc)" --target zahlwerk
exec ./build/bin/zahlwerk "$@"
