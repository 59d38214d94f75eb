#!/bin/sh
# Writes tests/astro/phenomena/swisseph_reference.txt: the sky events of 50
# years (1900 to 2096, every fourth) from the Swiss Ephemeris (Debian
# libswe-dev and swe-standard-data: its ephemeris files, from JPL DE431), by
# scripts/phenomena_reference.c. Test-only; the test reads the file.
#   apt-get install libswe-dev swe-standard-data && scripts/make_phenomena_reference.sh
set -e
cd "$(dirname "$0")/.."
out=$(mktemp -d)
gcc -O2 -o "$out/reference" scripts/phenomena_reference.c -lswe -lm
"$out/reference" $(seq 1900 4 2096) > tests/astro/phenomena/swisseph_reference.txt
rm -r "$out"
