#!/usr/bin/env bash
# Compares what two builds of skycalc-cli print for the almanac, the
# calendar, the eclipses and the day events over sampled years: every line
# must be the same. Meant for changes that should leave every printed minute
# as it was (a faster evaluation, a cheaper search).
#   scripts/compare_outputs.sh OLD_CLI NEW_CLI [years] [seed]
# years (default 300) are drawn at random from 1000-2999 (seeded, default 1;
# 2000-2030 are always among them); for each: --almanac for the year (JST),
# --calendar for its 12 months, --eclipses for the year at Tokyo, --holidays
# from 1948, and --events for the 31 days from 1 January (the Sun and the
# Moon, both models).
# Exit status 0 when all agree; otherwise the first differing lines are shown.
set -uo pipefail
old=$1 new=$2 count=${3:-300} seed=${4:-1}
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -p "$XDG_CONFIG_HOME" "$HOME"

years=$(python3 -c "
import random
fixed = list(range(2000, 2031))
rest = random.Random($seed).sample([y for y in range(1000, 3000) if y not in fixed], max(0, $count - len(fixed)))
print('\n'.join(str(y) for y in sorted(fixed[:$count] + rest)))")
zone=(--zone-hour 9 --zone-minute 0 --data-dir data)
site=(--longitude 139.7 --latitude 35.7 "${zone[@]}")

# one LABEL ARGS...: a case's heading, then what it prints, then its exit
# status when not 0 (counted in $work/failures).
one() {
  echo "=== $1"
  shift
  "$@" 2>&1 || { echo "--- exit $?"; echo "$*" >>"$work/failures.$$"; }
}
# run CLI OUT: every case of every year, one after another, into OUT.
run() {
  local cli=$1 out=$2 y
  for y in $years; do
    one "$y almanac" "$cli" --year "$y" --almanac "${zone[@]}"
    one "$y calendar" "$cli" --year "$y" --month 1 --calendar --count 12 "${zone[@]}"
    one "$y eclipses" "$cli" --year "$y" --eclipses "${site[@]}"
    if [ "$y" -ge 1948 ]; then one "$y holidays" "$cli" --year "$y" --holidays --data-dir data; fi
    for body in sun moon; do
      one "$y events $body" "$cli" --year "$y" --month 1 --day 1 --azimuth 0 --planet "$body" --events --count 31 "${site[@]}"
      one "$y events $body precise" "$cli" --year "$y" --month 1 --day 1 --azimuth 0 --planet "$body" --events --count 31 --precise "${site[@]}"
    done
  done >"$out"
}
run "$old" "$work/old.txt" &
run "$new" "$work/new.txt"
wait
lines=$(wc -l <"$work/new.txt")
failures=$(cat "$work"/failures.* 2>/dev/null | wc -l)
[ "$failures" -eq 0 ] || echo "warning: $failures commands exited with an error (the first: $(cat "$work"/failures.* | head -1))"
if cmp -s "$work/old.txt" "$work/new.txt"; then
  echo "identical: $(echo "$years" | wc -l) years, $lines lines"
  exit 0
fi
echo "DIFFERENT ($(diff "$work/old.txt" "$work/new.txt" | grep -c '^[<>]') lines):"
diff "$work/old.txt" "$work/new.txt" | head -40
exit 1
