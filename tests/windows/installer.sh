#!/bin/sh
# The installer, silently, into a folder of the test's choosing: it puts the
# programs there, which then run from there, adds the Start-menu entry when it
# has the window program, and registers its uninstaller with Windows; the
# registered silent uninstall then leaves nothing behind, neither files nor
# the registry key nor the Start-menu entry.
# Usage: installer.sh SETUP [with-window]
set -u
setup=$1 with_window=${2:-}
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\segcalc'
folder="$WINEPREFIX/drive_c/segcalc-scratch/segcalc"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/求半径.lnk"
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
if "$WINE" reg query "$key" >/dev/null 2>&1; then
  fail "left behind: the registry key $key"
fi
exit $failed
