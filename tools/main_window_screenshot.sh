#!/bin/bash
# A picture of the main window under a virtual X server (Xvfb), for checking
# the layout by eye:
#   bash tools/main_window_screenshot.sh [build folder] [out.png] [zoom] [catalogue item | about | game | -] [language]
# language: 0 German, 1 English, 2 French, "rtl" (a language file that only
# turns the reading direction: English texts laid out from right to left) or
# the path of a language file.
# ZW_SHOT_SHEET, ZW_SHOT_CLICK and ZW_SHOT_PAGE show a topic with data (see
# tools/main_window_screenshot.cpp), e.g. ZW_SHOT_SHEET=demo ZW_SHOT_PAGE=2.
# The tool is built with everything else (build/bin/main_window_screenshot).
# The screen is 1280 x 1024, so a zoom up to 131 keeps the window within 90 %
# of the work area.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$PWD/main-window.png}"
zoom="${3:-100}"
item="${4:-}"
language="${5:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
shot="$build/bin/main_window_screenshot"
[ -x "$shot" ] || cmake --build "$build" --target main_window_screenshot
mkdir -p "$work/app"
# The sample worksheet, for ZW_SHOT_SHEET=demo.
cp "$root/data/DEMO.DAT" "$work/app/"
if [ "$language" = rtl ]; then
  printf '[IPage]\r\n0=right\r\n' > "$work/rtl.txt"
  language="$work/rtl.txt"
fi
XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$shot" "$work/app/" "$out" "$zoom" "${item:--}" ${language:+"$language"}
echo "$out"
