#!/bin/sh
# Non-ASCII arguments reach segcalc-cli.exe whole on a Chinese Windows, whose
# ANSI code page (GBK) a plain main() would read them in; its messages and
# results are UTF-8 when redirected. Wine takes the code page from the
# locale, which is compiled into WORK so that the machine needs none.
# Usage: cli_arguments.sh CLI ACP_PROBE WORK
set -u
cli=$1 acp_probe=$2 work=$3
rm -rf "$work" && mkdir -p "$work/locales"
if ! localedef -i zh_CN -f UTF-8 "$work/locales/zh_CN.UTF-8" >"$work/localedef.txt" 2>&1; then
  cat "$work/localedef.txt"
  exit 1
fi
zh() { env LOCPATH="$work/locales" LC_ALL=zh_CN.UTF-8 "$WINE" "$@"; }
failed=0

code_page=$(zh "$acp_probe" 2>&1)
if [ "$code_page" != "936" ]; then
  echo "the ANSI code page is $code_page, not GBK (936): the test proves nothing"
  failed=1
fi

zh "$cli" --弧长 1 >"$work/out.txt" 2>"$work/err.txt"
status=$?
if [ "$status" -ne 2 ] || ! grep -q '^segcalc-cli: 未知选项 --弧长$' "$work/err.txt"; then
  echo "--弧长: status $status, messages:"
  cat "$work/err.txt"
  failed=1
fi

# The arc box's text is read up to its number and shown as it was typed.
zh "$cli" --arc 2491.78米 --chord 2067.63 >"$work/out.txt" 2>"$work/err.txt"
status=$?
if [ "$status" -ne 0 ] || ! grep -q "^弧长	2491.78米$" "$work/out.txt" ||
   ! grep -q "^弦高	591.83$" "$work/out.txt"; then
  echo "--arc 2491.78米: status $status"
  cat "$work/out.txt" "$work/err.txt"
  failed=1
fi
exit $failed
