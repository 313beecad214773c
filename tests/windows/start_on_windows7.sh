#!/bin/sh
# Each program starts on a Windows that says it is Windows 7: the command-line
# program answers, the window program is still running after a few seconds
# (a missing function or DLL would have ended it at once).
# Usage: start_on_windows7.sh CLI [WINDOW]
set -u
cli=$1 window=${2:-}
failed=0

version=$("$WINE" reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion' /v CurrentVersion 2>&1)
case "$version" in
  *REG_SZ*6.1*) ;;
  *) echo "Wine does not report Windows 7: $version"; exit 1 ;;
esac

reported=$("$WINE" "$cli" --version 2>&1)
status=$?
case "$status:$reported" in
  "0:segcalc-cli "[0-9]*) ;;
  *) echo "$cli --version: status $status: $reported"; failed=1 ;;
esac

if [ -n "$window" ]; then
  "$WINE" "$window" &
  pid=$!
  sleep 5
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null
  else
    wait "$pid"
    echo "$window ended at once, status $?"
    failed=1
  fi
fi
exit $failed
