#!/usr/bin/env bash
# Builds a release into build-package/ and makes the Debian package with
# CPack: dist/skycalc_<version>_<arch>.deb. Install it with
#   sudo apt install ./dist/skycalc_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
build=build-package
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSKYCALC_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$jobs"
rm -rf "$build/_CPack_Packages"
(cd "$build" && cpack -G DEB >/dev/null)
mkdir -p dist
rm -f dist/skycalc_*.deb
cp "$build"/skycalc_*.deb dist/
ls dist/skycalc_*.deb
