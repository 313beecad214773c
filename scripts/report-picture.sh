#!/bin/sh
# Takes docs/report-page.png: one full-size sheet of a real report, printed to
# PDF by chromium exactly as a user would print it, then rasterised.
set -eu
cli=${1:-build/cli/segcalc-cli}
out=${2:-docs/report-page.png}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$(dirname "$out")"

"$cli" --chord 300 --height 80 --ordinates 50 --report "$work/report.html" >/dev/null
chromium --headless --no-sandbox --disable-gpu --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --no-pdf-header-footer \
  --print-to-pdf="$work/report.pdf" "file://$work/report.html" >/dev/null 2>&1
# The first sheet: the last pages are the sheets, R1-C1 first of them.
page=$(pdftotext "$work/report.pdf" - | awk '/\f/ { n++ } /R1-C1/ { print n + 1; exit }')
pdftoppm -r 72 -png -f "$page" -l "$page" -singlefile "$work/report.pdf" "$work/page"
cp "$work/page.png" "$out"
echo "report-picture: wrote $out (page $page)"
