#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, only those not yet there.
set -euo pipefail
pkgs=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev        # windows, dialogs, painting, printing, clipboard
  qt6-translations-l10n         # Qt's own dialogs and buttons in German and French
  zlib1g-dev libjpeg-dev        # about-box picture (inflate) and the subject tiles (JPEG)
  fonts-liberation2 fonts-dejavu-core
  fonts-symbola                 # pictographs DejaVu lacks (the construction mark of a mapping)
  libgtest-dev libgmock-dev libbenchmark-dev
  libboost-dev                  # exact rationals for polynomial work; test oracles
  libeigen3-dev                 # test oracle for ranks, determinants, inverses
  libmuparser-dev libgmp-dev    # benchmark comparisons only
  clang libclang-rt-14-dev      # the evaluator's fuzz target (libFuzzer)
  ccache
  qt6-svg-dev libqcustomplot-dev   # SVG export of charts; chart benchmark peer
  libgsl-dev libprimesieve-dev   # test oracles and benchmark peers only (never linked into the program)
  libcsv-dev                     # benchmark peer of the point-file readers only
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
