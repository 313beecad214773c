#!/bin/sh
# Makes the Wine prefix the Windows tests share, from scratch: without a
# terminal or a display's prompts (WINEDLLOVERRIDES keeps Wine from offering
# Mono and Gecko), then set to report Windows 7.
set -eu
if [ -d "$WINEPREFIX" ]; then "$WINESERVER" -k 2>/dev/null || true; fi
rm -rf "$WINEPREFIX"
"$WINE" wineboot --init
"$WINE" winecfg /v win7
"$WINESERVER" -w
version=$("$WINE" reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion' /v CurrentVersion)
"$WINESERVER" -w
case "$version" in
  *6.1*) ;;
  *) echo "the prefix does not report Windows 7:"; echo "$version"; exit 1 ;;
esac
