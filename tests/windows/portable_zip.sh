#!/bin/sh
# The portable zip unpacks into one folder holding the programs, the web
# page, the read-me and the licence; the read-me opens right in Notepad on
# Windows 7 (UTF-8 with its mark, Windows line ends), and segcalc-cli.exe runs
# from the folder.
# Usage: portable_zip.sh ZIP WORK [with-window] [page=SEGCALC_HTML]
set -u
zip=$1 work=$2
shift 2
with_window= page=
for option in "$@"; do
  case $option in
    with-window) with_window=yes ;;
    page=*) page=${option#page=} ;;
    *) echo "portable_zip.sh: unknown option $option"; exit 2 ;;
  esac
done
rm -rf "$work" && mkdir -p "$work"
failed=0
fail() {
  echo "$*"
  failed=1
}

(cd "$work" && cmake -E tar xf "$zip") || { echo "cannot unpack $zip"; exit 1; }
folder="$work/$(basename "$zip" .zip)"
expected="LICENSE.txt README.txt segcalc-cli.exe"
[ -n "$with_window" ] && expected="$expected segcalc.exe"
[ -n "$page" ] && expected="$expected segcalc.html"
actual=$(ls "$folder" | sort | tr '\n' ' ')
[ "$actual" = "$(echo $expected | tr ' ' '\n' | sort | tr '\n' ' ')" ] || fail "the zip holds: $actual"
[ "$(ls "$work")" = "$(basename "$folder")" ] || fail "the zip does not unpack into one folder"

readme="$folder/README.txt"
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] || fail "README.txt has no UTF-8 mark"
lines=$(wc -l <"$readme")
crlf=$(grep -c "$(printf '\r')\$" "$readme")
[ "$lines" -gt 3 ] && [ "$lines" -eq "$crlf" ] || fail "README.txt: $crlf of $lines lines end in CR LF"
grep -q "求半径" "$readme" || fail "README.txt does not name 求半径"
if [ -n "$with_window" ]; then
  for entry in 复制结果 精确结果 放样图 "导出 DXF"; do
    grep -q "$entry" "$readme" || fail "README.txt does not tell of the menu's $entry"
  done
fi
if [ -n "$page" ]; then
  # The web build's page itself, beside the window program that opens it.
  cmp -s "$page" "$folder/segcalc.html" || fail "segcalc.html in the zip is not $page"
  for word in 工作台 segcalc.html 手机; do
    grep -q "$word" "$readme" || fail "README.txt does not tell of $word"
  done
fi

result=$("$WINE" "$folder/segcalc-cli.exe" --arc 2491.78 --chord 2067.63 2>&1)
case "$result" in
  *"半径	1200"*) ;;
  *) fail "segcalc-cli.exe from the zip answers: $result" ;;
esac
exit $failed
