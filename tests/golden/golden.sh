#!/usr/bin/env bash
# Runs skycalc-cli on every line of cases.txt and compares everything it
# prints (standard output, standard error, exit status) with expected.txt.
#   golden.sh CLI SOURCE_DIR            compare; the first differing case is shown
#   golden.sh CLI SOURCE_DIR --update   write expected.txt anew
set -uo pipefail
cli=$1 src=$2 mode=${3:-}
here=$src/tests/golden
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# An empty settings folder: every field not given comes from the defaults.
export XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
cd "$src"
actual=$work/actual.txt
while IFS=$'\t' read -r name args; do
  case $name in ''|'#'*) continue ;; esac
  {
    echo "=== $name"
    # shellcheck disable=SC2086
    "$cli" $args --data-dir data >"$work/out" 2>"$work/err" </dev/null
    status=$?
    cat "$work/out"
    [ -s "$work/err" ] && { echo "--- stderr"; cat "$work/err"; }
    echo "--- exit $status"
  } >>"$actual"
done <"$here/cases.txt"
if [ "$mode" = "--update" ]; then
  cp "$actual" "$here/expected.txt"
  echo "wrote $(grep -c '^=== ' "$actual") cases"
  exit 0
fi
if cmp -s "$actual" "$here/expected.txt"; then
  echo "$(grep -c '^=== ' "$actual") golden cases identical"
  exit 0
fi
diff -u "$here/expected.txt" "$actual" | head -60
echo "golden outputs differ"
exit 1
