#!/bin/sh
# Takes the README's pictures of a report, printed to PDF by chromium exactly
# as a user would print it, then rasterised: docs/report-page.png, a full-size
# sheet of the arched window frame (its profile's faces, the division lines
# and their numbers, a facet), and docs/report-part.png, the page with the
# 下料 section's division table.
set -eu
cli=${1:-build/cli/segcalc-cli}
docs=${2:-docs}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$docs"

"$cli" --chord 1200 --height 300 --profile 70 --face outer --tails 150 --trim 20 --pieces 4 \
  --area --report "$work/report.html" >/dev/null
chromium --headless --no-sandbox --disable-gpu --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --no-pdf-header-footer \
  --print-to-pdf="$work/report.pdf" "file://$work/report.html" >/dev/null 2>&1
page_with() {
  pdftotext "$work/report.pdf" - | awk -v text="$1" '/\f/ { n++ } index($0, text) { print n + 1; exit }'
}
take() {  # page, picture
  pdftoppm -r 72 -png -f "$1" -l "$1" -singlefile "$work/report.pdf" "$work/page"
  cp "$work/page.png" "$2"
  echo "report-picture: wrote $2 (page $1)"
}
take "$(page_with '拼接页 第 1 行 · 第 2 列')" "$docs/report-page.png"
take "$(page_with '分段')" "$docs/report-part.png"
