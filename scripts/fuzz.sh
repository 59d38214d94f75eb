#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan into build-fuzz/ and
# runs each for a number of seconds on its committed seed corpus (new inputs
# go to a scratch copy, so the committed corpus only changes by hand).
#   scripts/fuzz.sh [seconds] [target...]   (default 30 s, every target)
# FUZZ_PARALLEL=1 runs the targets at the same time instead of one by one.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_catalog_loaders fuzz_panel_events fuzz_settings_reset fuzz_eclipses fuzz_almanac fuzz_command_line fuzz_details)
fi
build=build-fuzz
jobs=$(nproc 2>/dev/null || echo 2)

cxx=$(command -v clang++ || command -v clang++-14)
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSKYCALC_BUILD_FUZZ=ON -DSKYCALC_SANITIZE=ON -DSKYCALC_BUILD_TESTS=OFF -DSKYCALC_BUILD_GUI=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Runs one target; the outcome goes to its log, the summary to stdout.
run_target() {
  local target=$1
  local work="$build/corpus/$target"
  local artifacts="$build/artifacts/$target/"
  mkdir -p "$work" "$artifacts"
  cp -n fuzz/corpus/"$target"/* "$work"/ 2>/dev/null || true
  echo "== $target: ${seconds} s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$artifacts" "$work" fuzz/corpus/"$target" 2>"$build/$target.log"; then
    echo "$target FAILED; the input is in $artifacts, the log in $build/$target.log"
    tail -40 "$build/$target.log"
    return 1
  fi
  echo "$target: $(grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$build/$target.log" | tr -s ' \n' ' ')"
}

status=0
if [ "${FUZZ_PARALLEL:-0}" = 1 ]; then
  pids=()
  for target in "${targets[@]}"; do
    run_target "$target" &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid" || status=1; done
else
  for target in "${targets[@]}"; do run_target "$target" || status=1; done
fi
exit $status
