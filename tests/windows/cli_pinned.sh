#!/bin/sh
# segcalc-cli.exe --batch on the pinned input: the output is the pinned one,
# byte for byte, and the exit status says that the fixture's invalid lines
# were seen; its --sheet is the pinned spreadsheet, byte for byte.
# Usage: cli_pinned.sh CLI INPUT EXPECTED SHEET WORK
set -u
cli=$1 input=$2 expected=$3 sheet=$4 work=$5
rm -rf "$work" && mkdir -p "$work"
"$WINE" "$cli" --batch "$input" >"$work/actual.tsv" 2>"$work/messages.txt"
status=$?
if ! cmp -s "$expected" "$work/actual.tsv"; then
  echo "output differs from $expected:"
  diff "$expected" "$work/actual.tsv"
  exit 1
fi
if [ "$status" -ne 1 ]; then
  echo "exit status $status, expected 1"
  cat "$work/messages.txt"
  exit 1
fi
"$WINE" "$cli" --batch "$input" --sheet "$work/sheet.csv" >/dev/null 2>&1
if ! cmp -s "$sheet" "$work/sheet.csv"; then
  echo "--sheet differs from $sheet"
  exit 1
fi
