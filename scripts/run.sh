#!/usr/bin/env bash
# Installs what is missing, builds the calculator into build/ and starts it
# there: the build folder holds the catalogue files it reads at start-up.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target skycalc
cd build
exec ./skycalc
