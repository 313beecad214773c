#!/bin/sh
# Runs a test program under Wine: wine_run.sh WINE PROGRAM [ARGUMENT...]
# A Wine process that starts just as another one ends can, now and then, be
# turned away by wineserver before the program runs at all: Wine then prints
# "wine client error:0: ..." (thread 0: no thread was ever made) and fails.
# Such a start is tried again, three starts in all. Everything else the
# program writes or returns is passed on unchanged, failures included.
set -u
wine=$1
shift
errors=$(mktemp) || exit 125
trap 'rm -f "$errors"' EXIT
start=1
while :; do
  "$wine" "$@" 2>"$errors"
  status=$?
  if [ "$status" -eq 0 ] || [ "$start" -ge 3 ] ||
     ! head -n 1 "$errors" | grep -q '^wine client error:0:'; then
    cat "$errors" >&2
    exit "$status"
  fi
  echo "wine_run.sh: Wine did not start the program (start $start), starting it again:" >&2
  cat "$errors" >&2
  start=$((start + 1))
  sleep 1
done
