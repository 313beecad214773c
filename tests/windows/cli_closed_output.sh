#!/bin/sh
# A reader that goes away (here head, after one line) is a failed write that
# segcalc-cli.exe reports with status 3, as on Linux, not a success.
# Usage: cli_closed_output.sh CLI WORK
set -u
cli=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
line=$(printf '2491.78\t2067.63\t')
i=0
while [ $i -lt 5000 ]; do
  echo "$line"
  i=$((i + 1))
done >"$work/input.tsv"

status=$( { "$WINE" "$cli" --batch "$work/input.tsv" 2>"$work/err.txt"; echo $? >"$work/status"; } |
  head -n 1 >"$work/first.txt"; cat "$work/status")
first=$(cat "$work/first.txt")
if [ "$status" != 3 ] || ! grep -q '无法写出结果' "$work/err.txt" ||
   [ "$first" != "$(printf 'solved\t2491.78\t2067.63\t591.83\t1200\t119.03')" ]; then
  echo "status $status, first line: $first, messages:"
  cat "$work/err.txt"
  exit 1
fi
