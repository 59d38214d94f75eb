#!/usr/bin/env bash
# Starts the real calculator window under a virtual X server and saves a
# picture of it to docs/screenshot.png (or the file given as $1).
#   SKYCALC_BUILD=build-x scripts/screenshot.sh   use another build folder
# The window runs in the build folder beside the catalogue files, with an
# empty settings store, and ends by itself after the picture (saving nothing).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${SKYCALC_BUILD:-build}
out=${1:-docs/screenshot.png}
case "$out" in /*) ;; *) out="$root/$out" ;; esac

bash scripts/deps.sh
if [ ! -x "$build/skycalc" ]; then
  cmake -S . -B "$build"
  cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target skycalc
fi
mkdir -p "$(dirname "$out")"

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
cd "$build"
XDG_CONFIG_HOME="$config" SKYCALC_SCREENSHOT="$out" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" ./skycalc
echo "saved $out"
