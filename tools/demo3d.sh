#!/bin/bash
# Builds the 3D demonstration page and runs it on the current display:
#   bash tools/demo3d.sh [build folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${DEMO3D_BIN:-/tmp/demo3d}"
g++ -std=c++20 -fPIC -I"$root" "$root/tools/demo3d.cpp" -o "$out" \
  "$build"/libzw_charts_base.a "$build"/libzw_platform.a "$build"/libzw_kernel.a "$build"/libzw_symbolic.a \
  "$build"/libzw_common.a $(pkg-config --cflags --libs Qt6Widgets Qt6PrintSupport Qt6Svg)
[ -n "${DEMO3D_BUILD_ONLY:-}" ] || "$out"
