#!/usr/bin/env bash
# Measures the web page's 星図 box: the whole sky redrawn (the display list
# built by the logic, read as JSON, drawn on the canvas and its pixels
# flushed) 101 times in headless Chromium, as a drag or a time step redraws
# it; writes the median and the 90th percentile to bench/RESULTS.md
# (section "The web page's 星図", beside the window's figures).
#   scripts/bench_chart_web.sh            build dist/web first (scripts/web.sh)
#   scripts/bench_chart_web.sh --no-build measure the dist/web there is
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != "--no-build" ]; then bash scripts/web.sh; fi
bash scripts/deps.sh chromium
[ -d tests/web/node_modules/puppeteer-core ] || (cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
node web/tools/page_figures.js chart dist/web bench/RESULTS.md
