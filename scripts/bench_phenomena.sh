#!/usr/bin/env bash
# A year of the sky events as a whole process, skycalc-cli --phenomena (every
# kind, 2026, JST), against a year of the almanac (--almanac, the same year):
# the median wall and CPU time of N runs each, and their ratio.
# Usage: scripts/bench_phenomena.sh [build dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-21}
cmake --build "$build" --target skycalc-cli -j2 >/dev/null
/usr/bin/python3 - "$build/skycalc-cli" "$runs" <<'PY'
import os, resource, statistics, subprocess, sys, time
cli, runs = sys.argv[1], int(sys.argv[2])
def measure(argv):
    walls, cpus = [], []
    for _ in range(runs):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        t0 = time.perf_counter()
        subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        walls.append(time.perf_counter() - t0)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpus.append(after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime)
    return statistics.median(walls) * 1000, statistics.median(cpus) * 1000
common = ["--year", "2026", "--zone-hour", "9", "--zone-minute", "0", "--data-dir", "data"]
rows = [("skycalc-cli --phenomena, 2026, JST", [cli, "--phenomena"] + common),
        ("skycalc-cli --almanac, 2026, JST", [cli, "--almanac"] + common)]
print("| Process | Wall median | CPU median |")
print("|---|---|---|")
results = []
for name, argv in rows:
    wall, cpu = measure(argv)
    results.append((wall, cpu))
    print("| %s | %.1f ms | %.1f ms |" % (name, wall, cpu))
print("\nratio: wall %.2f, CPU %.2f; %d runs each; load average %s" % (
    results[0][0] / results[1][0], results[0][1] / results[1][1], runs,
    " ".join("%.2f" % x for x in os.getloadavg())))
PY
