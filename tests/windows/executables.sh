#!/bin/sh
# What each shipped .exe asks of Windows, read from its headers: it imports
# only DLLs that every Windows from 7 SP1 on has (so nothing of MinGW's runtime
# ships beside it), none of the functions Windows 7 lacks (those are looked up
# at run time instead), and it carries the icon and the version block; the
# window program also its manifest.
# Usage: executables.sh OBJDUMP EXE...
set -u
objdump=$1
shift
failed=0

# Windows' own DLLs, all present on Windows 7 SP1.
system_dlls="kernel32.dll msvcrt.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll
  shell32.dll shlwapi.dll advapi32.dll ole32.dll oleaut32.dll uxtheme.dll imm32.dll
  version.dll winmm.dll dwmapi.dll usp10.dll ws2_32.dll"

# Functions that came after Windows 7 and that a compiler's runtime or window
# code is known to reach for; importing one keeps the program from starting
# on Windows 7 at all.
newer_functions="GetSystemTimePreciseAsFileTime CreateFile2 CopyFile2
  SetThreadDescription GetThreadDescription WaitOnAddress WakeByAddressSingle
  WakeByAddressAll GetCurrentPackageId GetCurrentPackageFullName
  SetProcessDpiAwareness GetDpiForMonitor SetProcessDpiAwarenessContext
  SetThreadDpiAwarenessContext GetDpiForWindow GetDpiForSystem GetSystemMetricsForDpi
  AdjustWindowRectExForDpi SystemParametersInfoForDpi EnableNonClientDpiScaling
  GetWindowDpiAwarenessContext AreDpiAwarenessContextsEqual
  GetAwarenessFromDpiAwarenessContext LoadPackagedLibrary PrefetchVirtualMemory
  GetOverlappedResultEx InitializeSynchronizationBarrier"

fail() {
  echo "$exe: $*"
  failed=1
}

for exe in "$@"; do
  headers=$("$objdump" -p "$exe") || { fail "not readable"; continue; }
  dlls=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$dlls" ] || fail "no imports found"
  for dll in $dlls; do
    case " $(echo $system_dlls) " in
      *" $dll "*) ;;
      *) fail "imports $dll, which is not part of Windows 7" ;;
    esac
  done
  # Member names follow their hint in the import tables.
  imported=$(printf '%s\n' "$headers" | awk '/^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[A-Za-z_]/ { print $3 }')
  for function in $newer_functions; do
    if printf '%s\n' "$imported" | grep -qx "$function"; then
      fail "imports $function, which Windows 7 lacks"
    fi
  done

  # Resource types at the top of the resource tree: 3 icon, 0xe icon group,
  # 0x10 version, 0x18 manifest.
  types=$(printf '%s\n' "$headers" | sed -n 's/^[0-9a-f]*   Entry: ID: 0x0000\([0-9a-f][0-9a-f]\),.*/\1/p')
  wanted="03 0e 10"
  subsystem="Windows CUI"
  case "$(basename "$exe")" in
    segcalc.exe) wanted="$wanted 18" subsystem="Windows GUI" ;;
  esac
  for type in $wanted; do
    printf '%s\n' "$types" | grep -qx "$type" || fail "has no resource of type 0x$type"
  done
  printf '%s\n' "$headers" | grep -q "^Subsystem.*($subsystem)" || fail "is not a $subsystem program"
done
exit $failed
