#!/bin/sh
# The installer, silently, into a folder of the test's choosing: it puts the
# programs and the web page there, which then run from there, adds the
# Start-menu entries (求半径 with the window program, 求半径 工作台 with the
# page), and registers its uninstaller with Windows; the registered silent
# uninstall then leaves nothing behind, neither files nor the registry key nor
# a Start-menu entry.
# Usage: installer.sh SETUP [with-window] [with-page]
set -u
setup=$1
shift
with_window= with_page=
for option in "$@"; do
  case $option in
    with-window) with_window=yes ;;
    with-page) with_page=yes ;;
    *) echo "installer.sh: unknown option $option"; exit 2 ;;
  esac
done
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\segcalc'
folder="$WINEPREFIX/drive_c/segcalc-scratch/segcalc"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
shortcut="$menu/求半径.lnk"
page_shortcut="$menu/求半径 工作台.lnk"
failed=0

fail() {
  echo "$*"
  failed=1
}

registered() { # value name; empty when absent
  "$WINE" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
    sed -n "s/^[[:space:]]*$1[[:space:]]*REG_[A-Z_]*[[:space:]]*//p"
}

rm -rf "$WINEPREFIX/drive_c/segcalc-scratch"
"$WINE" "$setup" /S '/D=C:\segcalc-scratch\segcalc'
status=$?
[ "$status" -eq 0 ] || fail "the silent install ended with status $status"

programs="segcalc-cli.exe"
[ -n "$with_window" ] && programs="segcalc.exe $programs"
for file in $programs README.txt LICENSE.txt uninstall.exe; do
  [ -f "$folder/$file" ] || fail "not installed: $file"
done
if [ -n "$with_window" ]; then
  [ -f "$shortcut" ] || fail "no Start-menu entry 求半径"
fi
if [ -n "$with_page" ]; then
  [ -f "$folder/segcalc.html" ] || fail "not installed: segcalc.html"
  [ -f "$page_shortcut" ] || fail "no Start-menu entry 求半径 工作台"
  # A shortcut holds its target's path in the code page, in UTF-16 or both.
  /usr/bin/python3 -c 'import sys
data = open(sys.argv[1], "rb").read()
sys.exit(not any(name in data for name in (b"segcalc.html", "segcalc.html".encode("utf-16-le"))))' \
    "$page_shortcut" || fail "the Start-menu entry 求半径 工作台 does not open segcalc.html"
fi

result=$("$WINE" 'C:\segcalc-scratch\segcalc\segcalc-cli.exe' --arc 2491.78 --chord 2067.63 2>&1)
case "$result" in
  *"半径	1200"*) ;;
  *) fail "the installed segcalc-cli.exe answers: $result" ;;
esac

location=$(registered InstallLocation)
[ "$location" = 'C:\segcalc-scratch\segcalc' ] || fail "InstallLocation is '$location'"
[ "$(registered DisplayVersion)" = "1.00" ] || fail "DisplayVersion is '$(registered DisplayVersion)'"
[ -n "$(registered DisplayName)" ] || fail "no DisplayName"
quiet=$(registered QuietUninstallString)
[ "$quiet" = '"C:\segcalc-scratch\segcalc\uninstall.exe" /S' ] ||
  fail "QuietUninstallString is '$quiet'"

# Uninstall as Windows would: the registered command. The uninstaller copies
# itself to the temporary folder and removes the installed one from there, so
# what it leaves is watched for a while.
uninstaller=$(printf '%s' "$quiet" | sed 's/^"\([^"]*\)".*/\1/')
"$WINE" "$uninstaller" /S
status=$?
[ "$status" -eq 0 ] || fail "the silent uninstall ended with status $status"
for second in $(seq 60); do
  if [ ! -e "$folder" ] && [ -z "$(registered InstallLocation)" ]; then break; fi
  sleep 1
done
if [ -e "$folder" ]; then
  fail "left behind in the install folder:"
  ls -la "$folder"
fi
[ -e "$shortcut" ] && fail "left behind: the Start-menu entry"
[ -e "$page_shortcut" ] && fail "left behind: the Start-menu entry 求半径 工作台"
if "$WINE" reg query "$key" >/dev/null 2>&1; then
  fail "left behind: the registry key $key"
fi
exit $failed
