#!/bin/bash
# A picture of the main window under a virtual X server (Xvfb), for checking
# the layout by eye:
#   bash tools/main_window_screenshot.sh [build folder] [out.png] [zoom] [catalogue item | about | game]
# The build folder must hold the built shell libraries (cmake --build <folder>
# --target zw_shell). The screen is 1280 x 1024, so a zoom up to 131 keeps the
# window within 90 % of the work area.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$PWD/main-window.png}"
zoom="${3:-100}"
item="${4:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -fPIC -I"$root" "$root/tools/main_window_screenshot.cpp" -o "$work/shot" \
  -Wl,--whole-archive "$build"/libzw_topics.a -Wl,--no-whole-archive -Wl,--start-group "$build"/libzw_shell.a "$build"/libzw_charts_base.a "$build"/libzw_platform.a \
  "$build"/libzw_kernel.a "$build"/libzw_symbolic.a -Wl,--end-group \
  $(pkg-config --cflags --libs Qt6Widgets Qt6PrintSupport) -ljpeg -lz
mkdir -p "$work/app"
XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$work/shot" "$work/app/" "$out" "$zoom" $item
echo "$out"
