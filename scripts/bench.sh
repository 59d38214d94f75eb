#!/usr/bin/env bash
# Builds the benchmarks in Release into build-bench/, runs them on one core,
# times skycalc-cli for one readout as a whole process, and writes the figures
# to bench/RESULTS.md.
#   scripts/bench.sh [repetitions]   (default 5; medians are reported)
set -euo pipefail
cd "$(dirname "$0")/.."

reps=${1:-5}
build=build-bench
out=bench/RESULTS.md
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSKYCALC_BUILD_BENCH=ON \
  -DSKYCALC_BUILD_TESTS=OFF -DSKYCALC_BUILD_GUI=OFF >/dev/null
targets=(skycalc_bench)
have_cli=0
if [ -f cli/CMakeLists.txt ]; then targets+=(skycalc-cli); have_cli=1; fi
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

# One core: the targets are stated for a single core of the machine.
pin=()
if command -v taskset >/dev/null; then pin=(taskset -c 0); fi

csv="$build/bench.csv"
[ "${BENCH_SKIP_RUN:-0}" = 1 ] || "${pin[@]}" "$build/bench/skycalc_bench" --benchmark_repetitions="$reps" \
  --benchmark_report_aggregates_only=true --benchmark_out="$csv" --benchmark_out_format=csv

# Whole-process timing of one readout, 21 runs with a private empty settings
# store. /usr/bin/time -v gives the peak resident set; it prints times in
# hundredths of a second only, so wall and CPU (user + system) times come from
# the shell's own timer, in milliseconds. Medians; the largest peak.
cli_args=(--year 2026 --month 12 --day 7 --hour 21 --minute 30 --planet mars --equatorial --data-dir data)
cli_wall_ms="n/a"
cli_cpu_ms="n/a"
cli_rss_kib="n/a"
if [ "$have_cli" = 1 ] && [ -x "$build/skycalc-cli" ]; then
  home=$(mktemp -d)
  trap 'rm -rf "$home"' EXIT
  walls=()
  cpus=()
  rss_max=0
  TIMEFORMAT='%3R %3U %3S'
  for _ in $(seq 21); do
    { time HOME="$home" XDG_CONFIG_HOME="$home" "${pin[@]}" "$build/skycalc-cli" "${cli_args[@]}" >/dev/null; } \
      2>"$home/shell_time.txt"
    read -r real user sys <"$home/shell_time.txt"
    walls+=("$(awk -v t="$real" 'BEGIN {printf "%.1f", t * 1000}')")
    cpus+=("$(awk -v u="$user" -v s="$sys" 'BEGIN {printf "%.1f", (u + s) * 1000}')")
    HOME="$home" XDG_CONFIG_HOME="$home" /usr/bin/time -v -o "$home/time.txt" "$build/skycalc-cli" "${cli_args[@]}" \
      >/dev/null
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$home/time.txt")
    if [ "$rss" -gt "$rss_max" ]; then rss_max=$rss; fi
  done
  median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
  cli_wall_ms=$(median "${walls[@]}")
  cli_cpu_ms=$(median "${cpus[@]}")
  cli_rss_kib=$rss_max
fi

cores=$(nproc 2>/dev/null || echo "?")
cpu=$(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo 2>/dev/null || echo "?")
load=$(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || echo "?")

awk -F',' -v date="$(date -u '+%Y-%m-%d %H:%M UTC')" -v cores="$cores" -v cpu="$cpu" -v load="$load" \
  -v reps="$reps" -v wall="$cli_wall_ms" -v cpums="$cli_cpu_ms" -v rss="$cli_rss_kib" '
  function ns(t, unit) { return unit == "us" ? t * 1000 : unit == "ms" ? t * 1e6 : t }
  function pretty(t) { return t >= 1e6 ? sprintf("%.2f ms", t / 1e6) : t >= 1000 ? sprintf("%.2f us", t / 1000) : sprintf("%.1f ns", t) }
  /^"BM_/ {
    name = $1; gsub(/"/, "", name)
    if (name ~ /_(mean|stddev|cv)$/) next
    sub(/_median$/, "", name); sub(/^BM_/, "", name)
    t = ns($4, $5); gsub(/"/, "", t)
    order[++n] = name; cpu_ns[name] = t
  }
  END {
    body[1] = "Sun"; body[2] = "Mercury"; body[3] = "Venus"; body[5] = "Mars"; body[6] = "Jupiter"
    body[7] = "Saturn"; body[8] = "Uranus"; body[9] = "Neptune"; body[10] = "Pluto"; body[11] = "Moon"
    print "# Benchmark results\n"
    printf "%s; %s cores (%s); load average at the end %s. Release build, one core (taskset -c 0), ", date, cores, cpu, load
    printf "Google Benchmark, median CPU time of %s repetitions. Written by scripts/bench.sh.\n\n", reps
    print "## Targets\n"
    print "| Target | Figure | Met |"
    print "|---|---|---|"
    planet = cpu_ns["ReadoutThroughSet/mars"]
    printf "| Planet readout through SET (Mars, equatorial) <= 5 us median | %s | %s |\n", pretty(planet), (planet <= 5000 ? "yes" : "no")
    worst = 1e300
    for (b = 1; b <= 11; b++) if (b in body) {
      r = cpu_ns["LibnovaEquatorial/" b] / cpu_ns["GeocentricPlace/" b]
      if (r < worst) { worst = r; worstBody = body[b] }
    }
    printf "| Each body >= 10x cheaper than libnova | lowest ratio %.0fx (%s) | %s |\n", worst, worstBody, (worst >= 10 ? "yes" : "no")
    precise = cpu_ns["PreciseReadoutThroughSet/mars"]
    printf "| Precise readout through SET (Mars, equatorial) <= 20 us median | %s | %s |\n", pretty(precise), (precise <= 20000 ? "yes" : "no")
    sunday = cpu_ns["DayEvents/precise_sun"]
    printf "| A day of Sun events with twilight, precise model, < 0.1 ms | %s | %s |\n", pretty(sunday), (sunday < 100000 ? "yes" : "no")
    chart = ("SkyChartPaint" in cpu_ns) ? cpu_ns["SkyChartPaint"] : cpu_ns["SkyChartSvg/0"]
    printf "| Sky chart, whole sky: display list built and %s < 16 ms | %s | %s |\n", (("SkyChartPaint" in cpu_ns) ? "painted by the window" : "written as SVG"), pretty(chart), (chart < 16e6 ? "yes" : "no")
    if (wall == "n/a") print "| skycalc-cli one readout < 30 ms wall, < 20 MiB peak | not built | - |"
    else printf "| skycalc-cli one readout < 30 ms wall, < 20 MiB peak | %s ms wall (CPU %s ms) median of 21, %.1f MiB peak | %s |\n", wall, cpums, rss / 1024, ((wall < 30 && rss < 20480) ? "yes" : "no")
    print "\n## Place of each body against libnova (same binary)\n"
    print "| Body | GeocentricPlace | libnova ln_get_*_equ_coords | libnova / skycalc |"
    print "|---|---|---|---|"
    for (b = 1; b <= 11; b++) if (b in body) {
      ours = cpu_ns["GeocentricPlace/" b]; theirs = cpu_ns["LibnovaEquatorial/" b]
      printf "| %s | %s | %s | %.0fx |\n", body[b], pretty(ours), pretty(theirs), theirs / ours
    }
    print "\n## Full readouts through SET (time text and both position texts)\n"
    print "| Body | Median CPU time |"
    print "|---|---|"
    split("ReadoutThroughSet/mars=Mars (planet list)|ReadoutThroughSet/moon=Moon (planet list)|ReadoutThroughSet/sirius=Sirius (star list)|ReadoutThroughSet/orion=Orion (constellation list)", rows, "|")
    for (i = 1; i in rows; i++) { split(rows[i], kv, "="); printf "| %s | %s |\n", kv[2], pretty(cpu_ns[kv[1]]) }
    print "\n## Precise model\n"
    print "| Measure | Median CPU time |"
    print "|---|---|"
    for (i = 1; i <= n; i++) if (order[i] ~ /^Precise/) printf "| %s | %s |\n", order[i], pretty(cpu_ns[order[i]])
    print "\n## Rise, transit and set: one local day after another\n"
    print "| Model and body | Median CPU time per day |"
    print "|---|---|"
    for (i = 1; i <= n; i++) if (order[i] ~ /^DayEvents/) printf "| %s | %s |\n", order[i], pretty(cpu_ns[order[i]])
    print "\n## Sky chart (whole sky, 800 units, 2,851 stars; /0 calculator model, /1 precise)\n"
    print "| Measure | Median CPU time |"
    print "|---|---|"
    for (i = 1; i <= n; i++) if (order[i] ~ /^SkyChart/) printf "| %s | %s |\n", order[i], pretty(cpu_ns[order[i]])
    print "\n## Operations\n"
    print "| Operation | Median CPU time |"
    print "|---|---|"
    for (i = 1; i <= n; i++) if (order[i] !~ /^(ReadoutThroughSet|LibnovaEquatorial|Precise|DayEvents|SkyChart)/) printf "| %s | %s |\n", order[i], pretty(cpu_ns[order[i]])
    print "\n## Notes\n"
    print "- A readout through SET writes the time text and both position texts (and the entry); GeocentricPlace/n is body n (1 Sun ... 11 Moon), SolveKeplerElliptic/n has eccentricity n/100, HeliocentricPosition/n and ComputeBodyElements/n are body n."
    print "- Each planet place solves Kepler'"'"'s equation twice (Earth and planet); each Newton step costs a sine and a cosine, and the solver stops at the step that leaves E unchanged, which gives bit for bit the result of the full loop of at least 21 steps. The three texts are formatted with std::to_chars (the same characters as the printf formats)."
    print "- skycalc-cli: wall and CPU time (user + system, including the taskset wrapper) from the shell'"'"'s timer, peak resident set from /usr/bin/time -v; most of a run is process start-up and dynamic linking, not the calculation."
    print "- PreciseBodyPlace/n is the precise model'"'"'s topocentric place of body n (calculator numbering); DayEvents/x is one day of skycalc-cli --events (the Sun with its three twilights, or the Moon), the precise model interpolating between exact nodes that consecutive days share."
    print "- Google Benchmark from Debian warns that the library was built as debug: that concerns its own bookkeeping; the code measured is built Release."
  }' "$csv" > "$out.new"
# Keep the section scripts/bench_table.sh writes.
if grep -q '<!-- skycalc-cli tables' "$out" 2>/dev/null; then
  echo >> "$out.new"
  sed -n '/<!-- skycalc-cli tables/,/<!-- end of skycalc-cli tables -->/p' "$out" >> "$out.new"
fi
# And the web page's section (web/tools/page_figures.js bench).
if grep -q '<!-- web page' "$out" 2>/dev/null; then
  echo >> "$out.new"
  sed -n '/<!-- web page/,/<!-- end of web page -->/p' "$out" >> "$out.new"
fi
# And the web page's 星図 (scripts/bench_chart_web.sh).
if grep -q '<!-- web chart' "$out" 2>/dev/null; then
  echo >> "$out.new"
  sed -n '/<!-- web chart/,/<!-- end of web chart -->/p' "$out" >> "$out.new"
fi
mv "$out.new" "$out"
echo "wrote $out"
