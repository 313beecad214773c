#!/bin/sh
# Batch input as Windows programs save it gives the pinned results: UTF-16
# with its mark (Excel's "Unicode text", with Windows line ends) from a file
# and from standard input, and UTF-8 behind a mark (Notepad). The first line
# holds 业, U+4E1A, whose byte 0x1A would end text-mode input as Ctrl-Z does;
# the -j forms users type by habit are taken.
# Usage: cli_utf16_input.sh CLI INPUT EXPECTED WORK
set -u
cli=$1 input=$2 expected=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
failed=0

printf '业\t1000\t\n' >"$work/input.txt"
sed 's/$/\r/' "$input" >>"$work/input.txt"
printf '\357\273\277' >"$work/utf8-mark.txt"
cat "$work/input.txt" >>"$work/utf8-mark.txt"
printf '\377\376' >"$work/utf16le.txt"
iconv -f UTF-8 -t UTF-16LE "$work/input.txt" >>"$work/utf16le.txt"
printf '\376\377' >"$work/utf16be.txt"
iconv -f UTF-8 -t UTF-16BE "$work/input.txt" >>"$work/utf16be.txt"

check() { # name output-file status
  # The first line is the one added here; the rest is the pinned fixture.
  if ! tail -n +2 "$2" | cmp -s - "$expected" || [ "$3" -ne 1 ]; then
    echo "$1: status $3, output differs from the pinned results:"
    tail -n +2 "$2" | diff "$expected" -
    failed=1
  fi
  first=$(head -n 1 "$2")
  if [ "$first" != "$(head -n 1 "$work/utf8.out")" ]; then
    echo "$1: first line $first"
    failed=1
  fi
}

"$WINE" "$cli" --batch "$work/input.txt" >"$work/utf8.out" 2>/dev/null
check "UTF-8" "$work/utf8.out" $?
for name in utf8-mark utf16le utf16be; do
  "$WINE" "$cli" --batch -j2 "$work/$name.txt" >"$work/$name.file.out" 2>/dev/null
  check "$name from a file, -j2" "$work/$name.file.out" $?
  "$WINE" "$cli" --batch --jobs=1 <"$work/$name.txt" >"$work/$name.stdin.out" 2>/dev/null
  check "$name from standard input, --jobs=1" "$work/$name.stdin.out" $?
done
exit $failed
