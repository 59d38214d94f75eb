#!/usr/bin/env bash
# Starts the real calculator window (the test tool skycalc-screenshot) under a virtual X server and saves
# pictures of it to docs/: screenshot.png (the calculator's model),
# screenshot-precise.png (the precise model), screenshot-riseset.png (the
# 出没時刻 box for the Sun; screenshot-riseset-moon.png for the Moon), screenshot-almanac.png (the 暦 box for the month
# of the day), screenshot-eclipse.png (the 日食・月食 box), screenshot-chart.png (the 星図 box) and
# screenshot-places.png (the 地点 box), screenshot-chart-2x.png (the 星図 box at twice the scale on 2026-12-07 21:30, with faketime);
# at twice the scale, screenshot-almanac-2026-09.png (the 暦 box for 2026年9月) and
# screenshot-phenomena.png (the 天象 box of the year of the day).
#   SKYCALC_BUILD=build-x scripts/screenshot.sh   use another build folder
# The window runs in the build folder beside the catalogue files, with a
# settings store of its own, and ends by itself after each picture (saving
# nothing).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${SKYCALC_BUILD:-build}

bash scripts/deps.sh
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target skycalc-screenshot
mkdir -p docs

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
# shot WHAT FILE PRECISE: one run of the window (skycalc-screenshot WHAT), the picture in FILE.
shot() {
  mkdir -p "$config/Quillmoor"
  printf '[Config]\nPrecise=%s\n' "$3" > "$config/Quillmoor/skycalc.conf"
  (cd "$build" && env XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" ./skycalc-screenshot "$1" "$root/$2")
  echo "saved $2"
}
shot window docs/screenshot.png 0
shot window docs/screenshot-precise.png 1
shot riseset docs/screenshot-riseset.png 0
shot riseset-moon docs/screenshot-riseset-moon.png 0
shot almanac docs/screenshot-almanac.png 0
shot eclipse docs/screenshot-eclipse.png 0
shot chart docs/screenshot-chart.png 0
shot places docs/screenshot-places.png 0
# The 星図 box at twice the scale, at the instant of the page's and astropy's
# pictures (web/tools/page_figures.js chart-screenshot, scripts/make_chart_astropy.py).
if command -v faketime >/dev/null; then
  (cd "$build" && env XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 TZ=UTC \
    faketime '2026-12-07 21:30:00' xvfb-run -a -s "-screen 0 2048x1600x24 -dpi 96" ./skycalc-screenshot chart "$root/docs/screenshot-chart-2x.png")
  echo "saved docs/screenshot-chart-2x.png"
fi
# The 暦 box for 2026年9月 and the 天象 box at twice the scale.
for what in almanac-2026-09 phenomena; do
  (cd "$build" && env XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 \
    xvfb-run -a -s "-screen 0 2048x1600x24 -dpi 96" ./skycalc-screenshot "$what" "$root/docs/screenshot-$what.png")
  echo "saved docs/screenshot-$what.png"
done
