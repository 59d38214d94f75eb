#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh made: its file list is
# exactly the expected one, and unpacked into an empty root the installed
# skycalc-cli, started from an unrelated folder, finds its catalogues; the
# Japanese man pages are installed beside the English ones and render cleanly.
#   scripts/check_package.sh [--lintian]   (--lintian also runs lintian: no errors allowed)
set -euo pipefail
cd "$(dirname "$0")/.."

deb=$(ls dist/skycalc_*.deb)
expected="usr/bin/skycalc
usr/bin/skycalc-cli
usr/share/applications/com.quillmoor.skycalc.desktop
usr/share/doc/skycalc/changelog.gz
usr/share/doc/skycalc/copyright
usr/share/icons/hicolor/128x128/apps/skycalc.png
usr/share/icons/hicolor/256x256/apps/skycalc.png
usr/share/icons/hicolor/32x32/apps/skycalc.png
usr/share/icons/hicolor/64x64/apps/skycalc.png
usr/share/icons/hicolor/scalable/apps/skycalc.svg
usr/share/man/ja/man1/skycalc-cli.1.gz
usr/share/man/ja/man1/skycalc.1.gz
usr/share/man/man1/skycalc-cli.1.gz
usr/share/man/man1/skycalc.1.gz
usr/share/metainfo/com.quillmoor.skycalc.metainfo.xml
usr/share/skycalc/ChartLines.txt
usr/share/skycalc/ChartStars.txt
usr/share/skycalc/ConstData.txt
usr/share/skycalc/Places.txt
usr/share/skycalc/StarData.txt"
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' | sort)
if [ "$actual" != "$expected" ]; then
  echo "package file list differs:"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
for dep in libutf8proc2 libqt6core6 libqt6widgets6 qt6-translations-l10n qt6-qpa-plugins fonts-ipafont-gothic; do
  if ! dpkg-deb -f "$deb" Depends | grep -q "$dep"; then
    echo "package does not depend on $dep"
    exit 1
  fi
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/pkg"
mkdir -p "$root/elsewhere" "$root/home"
out=$(cd "$root/elsewhere" && HOME="$root/home" XDG_CONFIG_HOME="$root/home" \
      "$root/pkg/usr/bin/skycalc-cli" --year 2024 --month 3 --day 20 --hour 21 --minute 0 --zone-hour 9 \
      --longitude 139.7 --latitude 35.7 --star sirius --equatorial 2>"$root/err")
if [ -s "$root/err" ] || [ "$(echo "$out" | sed -n 2p)" != "6h46.2m" ]; then
  echo "the unpacked skycalc-cli did not find its catalogues:"
  cat "$root/err"
  echo "$out"
  exit 1
fi

# The Japanese pages beside the English ones: each installed page is the
# source gzipped, and man renders it without a warning, in Japanese.
for page in skycalc.1 skycalc-cli.1; do
  installed="$root/pkg/usr/share/man/ja/man1/$page.gz"
  if ! zcat "$installed" | cmp -s - "docs/man/ja/$page"; then
    echo "$installed is not docs/man/ja/$page"
    exit 1
  fi
  rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$installed" 2>"$root/warnings")
  if [ -s "$root/warnings" ] || ! echo "$rendered" | grep -q "^名前"; then
    echo "the Japanese page $page does not render cleanly:"
    cat "$root/warnings"
    exit 1
  fi
done

if [ "${1:-}" = "--lintian" ]; then
  report=$(lintian "$deb" 2>&1 | grep -v 'root privileges' || true)
  echo "$report"
  if echo "$report" | grep -q '^E:'; then exit 1; fi
  desktop-file-validate app/com.quillmoor.skycalc.desktop
  appstreamcli validate --no-net app/com.quillmoor.skycalc.metainfo.xml
  for page in docs/man/*.1 docs/man/ja/*.1; do
    warnings=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then echo "$page: $warnings"; exit 1; fi
  done
fi
echo "package $deb: file list, dependencies and catalogue lookup as expected"
