#!/bin/sh
# segcalc-cli.exe in a console: results and messages show as Chinese text
# whatever the console's code page. Under a terminal Wine gives the program a
# real console (as cmd.exe would) and draws it on the terminal in UTF-8.
# Usage: cli_console.sh CLI WORK
set -u
cli=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
failed=0

in_console() { # output-file command...
  out=$1
  shift
  script -qec "$*" /dev/null >"$out" 2>&1 </dev/null
}

in_console "$work/results.txt" "'$WINE' '$cli' --arc 2491.78 --chord 2067.63"
for text in 弧长 弦长 弦高 半径 夹角 591.83 119.03; do
  if ! grep -q "$text" "$work/results.txt"; then
    echo "the console does not show $text:"
    cat -v "$work/results.txt"
    failed=1
  fi
done

in_console "$work/message.txt" "'$WINE' '$cli' --弧长"
if ! grep -q "未知选项 --弧长" "$work/message.txt"; then
  echo "the console does not show the message:"
  cat -v "$work/message.txt"
  failed=1
fi
exit $failed
