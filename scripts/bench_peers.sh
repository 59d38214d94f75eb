#!/usr/bin/env bash
# skycalc-cli's searches against peers, as whole processes in one run:
#   every eclipse of 2001-2100 with local circumstances at Tokyo against the
#     Swiss Ephemeris (bench/peer_swisseph.c on Debian's libswe-dev and
#     swe-standard-data, built here, never shipped) and Astronomy Engine
#     (npm astronomy-engine, bench/peer_astronomy_engine.js);
#   a century of the almanac (1950-2049) against PyEphem's terms and phases
#     (Debian python3-ephem, bench/peer_almanac.py);
#   ten years of the Moon's rise, transit and set, and of the Sun's with its
#     three twilights (precise model, Tokyo) against Astronomy Engine;
#   a year of --almanac, wall time.
# Figures are the medians of the CPU time (user + system) of N runs each
# (default 5), pinned to one core when taskset is there, skycalc-cli and its
# peer run by turns; the machine may be shared, and CPU time is what another
# process's load disturbs least. Writes
# the table to standard output and into bench/RESULTS.md (section "Searches
# against peers").
#   scripts/bench_peers.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build=build-bench
out=bench/RESULTS.md
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSKYCALC_BUILD_TESTS=OFF -DSKYCALC_BUILD_GUI=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target skycalc-cli >/dev/null
gcc -O2 -o "$build/peer_swisseph" bench/peer_swisseph.c -lswe -lm
ephe=/usr/share/libswe/ephe
if [ ! -d "$build/npm/node_modules/astronomy-engine" ]; then
  mkdir -p "$build/npm"
  npm install --silent --prefix "$build/npm" astronomy-engine@2 >/dev/null
fi
modules=$build/npm/node_modules
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
pin=()
if command -v taskset >/dev/null; then pin=(taskset -c 0); fi

# measure cpu|wall COMMAND...: the median CPU (user + system, from the
# kernel's accounting of the child, to the microsecond) or wall seconds of
# $runs runs.
measure() {
  local field=$1
  shift
  HOME="$home" XDG_CONFIG_HOME="$home" /usr/bin/python3 - "$runs" "$field" "${pin[@]}" "$@" <<'PY'
import resource, statistics, subprocess, sys, time
runs, field, argv = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
values = []
for _ in range(runs):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    t0 = time.perf_counter()
    subprocess.run(argv, stdout=subprocess.DEVNULL, check=True)
    wall = time.perf_counter() - t0
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime
    values.append(cpu if field == "cpu" else wall)
print("%.6f" % statistics.median(values))
PY
}
# pair COMMAND_A... ::: COMMAND_B...: the median CPU seconds of each of two
# commands run by turns, A B A B ..., $runs times each, as "A B": the
# machine's moods (other sessions' load, the host's) fall on both alike, so
# their ratio moves less than that of two medians taken one after the other.
pair() {
  HOME="$home" XDG_CONFIG_HOME="$home" /usr/bin/python3 - "$runs" "${pin[*]}" "$@" <<'PY'
import resource, statistics, subprocess, sys
runs, pin, rest = int(sys.argv[1]), sys.argv[2].split(), sys.argv[3:]
split = rest.index(":::")
commands = [pin + rest[:split], pin + rest[split + 1:]]
values = [[], []]
for _ in range(runs):
    for which, argv in enumerate(commands):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        subprocess.run(argv, stdout=subprocess.DEVNULL, check=True)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        values[which].append(after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime)
print("%.6f %.6f" % (statistics.median(values[0]), statistics.median(values[1])))
PY
}
cli=("$build/skycalc-cli" --data-dir data)
tokyo=(--longitude 139.7 --latitude 35.7 --zone-hour 9 --zone-minute 0 --azimuth 0)
read -r ecl ecl_swe < <(pair "${cli[@]}" "${tokyo[@]}" --year 2001 --eclipses --count 100 ::: \
  "$build/peer_swisseph" "$ephe" 2001 100)
read -r ecl2 ecl_ae < <(pair "${cli[@]}" "${tokyo[@]}" --year 2001 --eclipses --count 100 ::: \
  node bench/peer_astronomy_engine.js "$modules" eclipses 2001 100)
read -r alm alm_py < <(pair "${cli[@]}" --year 1950 --zone-hour 9 --zone-minute 0 --almanac --count 100 ::: \
  /usr/bin/python3 bench/peer_almanac.py 1950 100 terms-phases)
read -r moon moon_ae < <(pair "${cli[@]}" "${tokyo[@]}" --year 2025 --month 1 --day 1 --planet moon --precise --events \
  --count 3652 ::: node bench/peer_astronomy_engine.js "$modules" moon 2025 3652)
read -r sun sun_ae < <(pair "${cli[@]}" "${tokyo[@]}" --year 2025 --month 1 --day 1 --planet sun --precise --events \
  --count 3652 ::: node bench/peer_astronomy_engine.js "$modules" sun 2025 3652)
year_wall=$(measure wall "${cli[@]}" --year 2026 --zone-hour 9 --zone-minute 0 --almanac)

row() {  # work skycalc peer-name peer goal
  awk -v w="$1" -v s="$2" -v n="$3" -v p="$4" -v g="$5" 'BEGIN {
    r = s / p; printf "| %s | %.3f s | %s %.3f s | %.3f | <= %s | %s |\n", w, s, n, p, r, g, (r <= g ? "yes" : "no")}'
}
section=$(mktemp)
{
  echo "<!-- searches against peers: written by scripts/bench_peers.sh -->"
  echo "## Searches against peers"
  echo
  printf '%s; %s, %s cores, load average at the end %s. Release build, whole processes pinned to one core, ' \
    "$(date -u '+%Y-%m-%d %H:%M UTC')" "$(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)" \
    "$(nproc)" "$(cut -d' ' -f1-3 /proc/loadavg)"
  echo "median CPU time (user + system) of $runs runs each, start-up included; skycalc-cli and its peer run by turns."
  echo
  echo "| Work | skycalc-cli | Peer | Ratio | Goal | Met |"
  echo "|---|---|---|---|---|---|"
  row "Every eclipse of 2001-2100, local circumstances at Tokyo" "$ecl" "Swiss Ephemeris $(dpkg-query -W -f '${Version}' libswe-dev 2>/dev/null)" "$ecl_swe" 0.5
  row "The same" "$ecl2" "Astronomy Engine" "$ecl_ae" 0.5
  row "A century of the almanac, 1950-2049 (with 雑節)" "$alm" "PyEphem $(/usr/bin/python3 -c 'import ephem; print(ephem.__version__)'), terms and phases only" "$alm_py" 0.15
  row "Ten years of the Moon's rise, transit and set, precise" "$moon" "Astronomy Engine" "$moon_ae" 0.05
  row "Ten years of the Sun's rise and set with three twilights, precise" "$sun" "Astronomy Engine" "$sun_ae" 0.03
  echo
  awk -v w="$year_wall" 'BEGIN {printf "A year of --almanac (2026, JST) as a whole process: %.1f ms wall (goal <= 8 ms: %s).\n", w * 1000, (w <= 0.008 ? "met" : "not met")}'
  echo "<!-- end of searches against peers -->"
} >"$section"
cat "$section"
if grep -q '<!-- searches against peers' "$out" 2>/dev/null; then
  awk -v file="$section" '
    /<!-- searches against peers/ {while ((getline line < file) > 0) print line; skip = 1; next}
    /<!-- end of searches against peers -->/ {skip = 0; next}
    !skip {print}' "$out" >"$out.new"
  mv "$out.new" "$out"
else
  { echo; cat "$section"; } >>"$out"
fi
rm -f "$section"
