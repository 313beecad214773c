#!/bin/sh
# The launcher of the Windows test programs tries a start again only when Wine
# itself turned the program away, and otherwise passes on what the program
# wrote and returned. A stand-in for Wine plays each case: it fails the first
# REFUSALS starts with the given message, then runs the "program".
# Usage: wine_run_test.sh WINE_RUN WORK
set -u
launcher=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
fake="$work/fake-wine"
cat >"$fake" <<'FAKE'
#!/bin/sh
starts=$(($(cat "$WORK/starts") + 1))
echo "$starts" >"$WORK/starts"
if [ "$starts" -le "$REFUSALS" ]; then
  echo "$REFUSAL" >&2
  exit 1
fi
echo "ran $*"
echo "program says" >&2
exit "$PROGRAM_STATUS"
FAKE
chmod +x "$fake"

failed=0
# refusals | refusal message | program status | expected status | expected starts | expected stdout
check() {
  echo 0 >"$work/starts"
  out=$(WORK=$work REFUSALS=$1 REFUSAL=$2 PROGRAM_STATUS=$3 \
        sh "$launcher" "$fake" prog.exe a b 2>"$work/err")
  status=$? starts=$(cat "$work/starts")
  if [ "$status" != "$4" ] || [ "$starts" != "$5" ] || [ "$out" != "$6" ]; then
    echo "case '$1 | $2 | $3': status $status (want $4), starts $starts (want $5), output '$out' (want '$6')"
    cat "$work/err"
    failed=1
  fi
}
refused='wine client error:0: recvmsg: Connection reset by peer'
check 0 "$refused" 0 0 1 'ran prog.exe a b'
check 1 "$refused" 0 0 2 'ran prog.exe a b'
# Both Wine's refusal and what the program wrote to standard error reach the caller.
if ! grep -q '^program says$' "$work/err" || ! grep -q "^$refused\$" "$work/err"; then
  echo "standard error was lost:"
  cat "$work/err"
  failed=1
fi
check 2 "$refused" 4 4 3 'ran prog.exe a b'
check 5 "$refused" 0 1 3 ''
# The program's own failure, and Wine losing a program that was running, stand.
check 0 "$refused" 1 1 1 'ran prog.exe a b'
check 1 'wine client error:3c: write: Bad file descriptor' 0 1 1 ''
check 1 'err:module:import_dll Library X.dll not found' 0 1 1 ''

exit $failed
