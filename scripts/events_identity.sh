#!/usr/bin/env bash
# Compares everything two skycalc-cli builds print for the day searches and
# the lists that share their time scales and frames: --events as CSV (every
# printed minute, azimuth and altitude, and the Julian Days to 16 digits) for
# the Sun and the Moon, both models and both conventions, over sampled years
# at sites from 70 S to 65 N (where the Sun and the Moon stay up or down for
# days), with --almanac, --calendar, --eclipses and --phenomena for some of
# those years. Prints the counts compared and the first differences; exit 1
# on any difference.
#   scripts/events_identity.sh OLD_CLI NEW_CLI [YEARS]
# YEARS (default 300) years spread evenly over 1000-2999, plus 2025-2034 in full.
set -uo pipefail
old=$1 new=$2 years=${3:-300}
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
# longitude latitude zone-hour zone-minute
sites=("139.7 35.7 9 0" "25.0 65.0 2 0" "-70.0 -70.0 -5 0" "-0.1 0.0 0 0" "-122.4 51.5 -8 30")
sample_years=$(awk -v n="$years" 'BEGIN {for (i = 0; i < n; ++i) print 1000 + int(i * 1999 / (n - 1))}')
runs=0 differing=0 lines=0 minutes=0
compare() {  # label args...
  local label=$1
  shift
  "$old" "$@" --data-dir data >"$work/a" 2>&1
  echo "exit $?" >>"$work/a"
  "$new" "$@" --data-dir data >"$work/b" 2>&1
  echo "exit $?" >>"$work/b"
  runs=$((runs + 1))
  lines=$((lines + $(wc -l <"$work/a")))
  minutes=$((minutes + $(grep -o '[0-9][0-9]:[0-9][0-9]' "$work/a" | wc -l)))
  if ! cmp -s "$work/a" "$work/b"; then
    differing=$((differing + 1))
    if [ "$differing" -le 5 ]; then
      echo "DIFFERS: $label: $*"
      diff "$work/a" "$work/b" | head -6
    fi
  fi
}
# The Sun's and the Moon's precise events of one year at every site.
compare_year() {
  local year=$1 site lon lat zh zm
  for site in "${sites[@]}"; do
    read -r lon lat zh zm <<<"$site"
    local where=(--longitude "$lon" --latitude "$lat" --zone-hour "$zh" --zone-minute "$zm" --azimuth 0)
    for body in sun moon; do
      compare "events precise" --year "$year" --month 1 --day 1 "${where[@]}" --planet "$body" --precise \
        --events --count 366 --csv
    done
  done
}
for year in $sample_years; do
  compare_year "$year"
  # The other convention (the Moon's upper limb) and the calculator's model at two sites.
  for site in "${sites[0]}" "${sites[1]}"; do
    read -r lon lat zh zm <<<"$site"
    where=(--longitude "$lon" --latitude "$lat" --zone-hour "$zh" --zone-minute "$zm" --azimuth 180)
    compare "events intl" --year "$year" --month 1 --day 1 "${where[@]}" --planet moon --precise --events \
      --count 366 --convention intl --csv
    compare "events calculator" --year "$year" --month 1 --day 1 "${where[@]}" --planet moon --events \
      --count 366 --csv
  done
done
for year in $(seq 2025 2034); do
  compare_year "$year"
done
# The lists, every 20th sampled year.
for year in $(echo "$sample_years" | awk 'NR % 20 == 1') 2025; do
  compare almanac --year "$year" --zone-hour 9 --zone-minute 0 --almanac --csv
  compare calendar --year "$year" --month 1 --zone-hour 9 --zone-minute 0 --calendar --count 12 --csv
  compare eclipses --year "$year" --longitude 139.7 --latitude 35.7 --zone-hour 9 --zone-minute 0 --azimuth 0 \
    --eclipses --csv
  compare phenomena --year "$year" --zone-hour 9 --zone-minute 0 --phenomena --csv
  compare readouts --year "$year" --month 3 --day 1 --hour 0 --minute 0 --longitude 139.7 --latitude 35.7 \
    --zone-hour 9 --zone-minute 0 --azimuth 0 --planet moon --precise --step 7h --count 200 --json
done
echo "runs compared: $runs; lines: $lines; times (hh:mm) printed: $minutes; runs differing: $differing"
[ "$differing" -eq 0 ]
