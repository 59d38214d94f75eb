#!/usr/bin/env bash
# Builds the calculator's web page into dist/web/: the panel compiled to
# WebAssembly with Emscripten (in build-web/), with the page's files.
#   scripts/web.sh          build dist/web
#   scripts/web.sh --test   build, then run the browser tests (headless
#                           Chromium against a native replay) with CTest
# Open it with: python3 -m http.server -d dist/web   (then http://localhost:8000/)
set -euo pipefail
cd "$(dirname "$0")/.."

run_tests=0
if [ "${1:-}" = "--test" ]; then run_tests=1; fi

extra=(emscripten)
if [ $run_tests = 1 ]; then
  extra+=(chromium)
  command -v npm >/dev/null 2>&1 || extra+=(npm)
fi
bash scripts/deps.sh "${extra[@]}"

# ERFA for the precise model, compiled from Debian's own source package. Its
# deb-src entries are derived from this machine's apt sources into a private
# apt configuration; the system's configuration is left as it is.
erfa_root=build-web/erfa-src
if [ ! -f "$erfa_root/erfa/src/erfa.h" ]; then
  apt_dir=$(mktemp -d)
  trap 'rm -rf "$apt_dir"' EXIT
  mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/src"
  python3 web/tools/deb_src_sources.py "$apt_dir/parts/debian-src.sources"
  apt_opts=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir/parts"
            -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
            -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=)
  apt-get "${apt_opts[@]}" -qq update
  (cd "$apt_dir/src" && apt-get "${apt_opts[@]}" -qq source --download-only erfa &&
   dpkg-source -x erfa_*.dsc erfa >/dev/null)
  rm -rf "$erfa_root" && mkdir -p "$erfa_root"
  cp -r "$apt_dir/src/erfa" "$erfa_root/"
fi

# Debian's emscripten looks for Debian's JavaScript modules (acorn) there,
# whichever node runs it.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DSKYCALC_ERFA_SOURCE_DIR="$PWD/$erfa_root/erfa" >/dev/null
cmake --build build-web --target skycalc_web -j 2

out=dist/web
rm -rf "$out" && mkdir -p "$out"
cp build-web/web/skycalc.js web/index.html web/skycalc.css web/manifest.webmanifest "$out/"
# The module split in two: skycalc.wasm, what the calculator's start runs (profiled on the
# instrumented module), and skycalc.deferred.wasm, the rest, which the page loads after its
# first readout. The functions are the linked module's own, only placed in two files.
node web/tools/split_profile.js build-web/web build-web/web/skycalc.profile
wasm-split --enable-mutable-globals --export-prefix=% build-web/web/skycalc.wasm.orig --profile=build-web/web/skycalc.profile \
  -o1 "$out/skycalc.wasm" -o2 "$out/skycalc.deferred.wasm"
# What the first readout does not need, fetched by the page after it: the big
# tables (wasm.cmake) and the 星図 box's star field and figures.
cp build-web/web_tables/skycalc-tables.bin data/ChartStars.txt data/ChartLines.txt "$out/"
cp app/skycalc.png "$out/"
cp -r web/icons "$out/"
# The page's scripts joined into page.js, in the order they run: the forms
# (layout.js, data only), then each script in a function of its own, so that
# its 'use strict' stays its own.
layout=$(mktemp)
python3 web/tools/make_layout.py app panel/control_ids.h "$layout"
{
  cat "$layout"
  for script in page_render page_form page_boxes skycalc_page page_phone; do
    printf '\n// ---- %s.js\n(function () {\n' "$script"
    cat "web/$script.js"
    printf '})();\n'
  done
} > "$out/page.js"
rm -f "$layout"
digest=$(find "$out" -type f | sort | xargs cat | sha256sum | cut -c1-16)
sed "s/@BUNDLE_DIGEST@/$digest/" web/sw.js > "$out/sw.js"
echo "Built $out: $(du -sk "$out" | cut -f1) KB (skycalc.wasm $(stat -c %s "$out/skycalc.wasm") + $(stat -c %s "$out/skycalc.deferred.wasm") bytes, skycalc.js $(stat -c %s "$out/skycalc.js") bytes, page.js $(stat -c %s "$out/page.js") bytes, skycalc-tables.bin $(stat -c %s "$out/skycalc-tables.bin") bytes)"

if [ $run_tests = 1 ]; then
  (cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
  cmake -S . -B build-webtest -DSKYCALC_BUILD_WEB_TESTS=ON -DSKYCALC_BUILD_GUI=ON -DSKYCALC_BUILD_CROSSCHECK=OFF >/dev/null
  # skycalc-box-texts: the window's boxes, which the page's are compared with.
  cmake --build build-webtest --target skycalc_web_replay skycalc-cli skycalc-box-texts -j 2
  ctest --test-dir build-webtest -R '^web\.' --output-on-failure
fi
