#!/bin/sh
# The separators come from Windows' locale call (GetLocaleInfoEx), in UTF-8:
# first of named locales, then of the user's, which Wine takes from LC_ALL;
# then segcalc-cli.exe reads and writes numbers with the decimal comma.
# Usage: locale_separators.sh PROBE CLI
set -u
probe=$1 cli=$2
failed=0

expect() { # expected-output command...
  expected=$1
  shift
  actual=$("$@" 2>&1)
  if [ "$actual" != "$expected" ]; then
    echo "$*:"
    echo "expected: $expected"
    echo "actual:   $actual"
    failed=1
  fi
}

tab=$(printf '\t')
nl='
'
# de-CH groups with a right single quotation mark, three bytes in UTF-8.
expect "de-DE$tab,$tab.${nl}de-CH$tab.$tab’${nl}en-US$tab.$tab," \
  "$WINE" "$probe" de-DE de-CH en-US
expect "user$tab,$tab." env LC_ALL=de_DE.UTF-8 "$WINE" "$probe" user
expect "user$tab.$tab’" env LC_ALL=de_CH.UTF-8 "$WINE" "$probe" user
expect "user$tab.$tab," env LC_ALL=en_US.UTF-8 "$WINE" "$probe" user

de() { env LC_ALL=de_DE.UTF-8 "$WINE" "$cli" "$@"; }
expect "弧长${tab}2491,78${nl}弦长${tab}2067,63${nl}弦高${tab}591,83${nl}半径${tab}1200${nl}夹角${tab}119,03" \
  de --arc 2491,78 --chord 2067,63
expect "弧长${tab}2491.78${nl}弦长${tab}2067,63${nl}弦高${tab}591,83${nl}半径${tab}1200${nl}夹角${tab}119,03" \
  de --arc 2491.78 --chord 2067,63
expect "弧长${tab}2765,74${nl}弦长${tab}1.000${nl}弦高${tab}1000${nl}半径${tab}624,7${nl}夹角${tab}253,8" \
  de --major --chord 1.000 --height 1000
exit $failed
