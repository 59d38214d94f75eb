#!/usr/bin/env bash
# A year of the almanac as a whole process: skycalc-cli --almanac (2026, JST)
# against PyEphem doing the same year in one python process
# (bench/peer_almanac.py); the median wall and CPU time of N runs each.
# Usage: scripts/bench_almanac.sh [build dir] [runs]   (needs python3-ephem)
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
rows = [
    ("skycalc-cli --almanac, 2026, JST", [cli, "--year", "2026", "--zone-hour", "9", "--zone-minute", "0",
                                          "--almanac", "--data-dir", "data"]),
    ("skycalc-cli --calendar, 2026-02, JST", [cli, "--year", "2026", "--month", "2", "--zone-hour", "9",
                                              "--zone-minute", "0", "--calendar", "--data-dir", "data"]),
    ("skycalc-cli one readout (baseline)", [cli, "--year", "2026", "--zone-hour", "9", "--zone-minute", "0",
                                            "--data-dir", "data"]),
    ("PyEphem, the same year (bench/peer_almanac.py)", ["/usr/bin/python3", "bench/peer_almanac.py", "2026"]),
]
print("| Process | Wall median | CPU median |")
print("|---|---|---|")
for name, argv in rows:
    wall, cpu = measure(argv)
    print("| %s | %.1f ms | %.1f ms |" % (name, wall, cpu))
print("\n%d runs each; load average %s" % (runs, " ".join("%.2f" % x for x in os.getloadavg())))
PY
