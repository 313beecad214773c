#!/bin/sh
# Installs the Debian packages segcalc needs, skipping those already present.
# Runs apt-get as root, or through sudo otherwise.
#
#   install-deps.sh              what building, testing and running need
#   install-deps.sh test         also what the tests read drawings and print reports with
#   install-deps.sh screenshot   also what docs/window.png is taken with
#   install-deps.sh fuzz         also clang and libFuzzer, for `make fuzz` only
#   install-deps.sh windows      also the MinGW-w64 cross compiler, Wine, NSIS
#                                and a virtual display, for `make windows`
#   install-deps.sh web          also emscripten and node, for `make web`, and
#                                the browser and its driver the page is tested in
set -eu

# qt6-translations-l10n puts Qt's own dialogs (the save dialog of 导出 DXF)
# in the desktop's language.
build_packages="
  g++ cmake ninja-build make pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libxkbcommon-dev fonts-noto-cjk qt6-translations-l10n
  locales
  desktop-file-utils appstream dpkg-dev file binutils-mingw-w64-x86-64
"
# ezdxf reads the DXF drawings back, chromium prints the report to PDF and
# poppler measures the printed pages; CBC's optimum is what the bar plan is
# checked against (a test oracle only: no program uses it).
test_packages="python3-ezdxf chromium poppler-utils coinor-cbc"
screenshot_packages="xvfb xauth openbox xdotool imagemagick"
fuzz_packages="clang-14 libclang-rt-14-dev"
# The window test drives the window (openbox, xdotool, xclip) and reads its
# drawing back (ezdxf).
windows_packages="g++-mingw-w64-x86-64-posix wine64 nsis xvfb xauth openbox xdotool xclip python3-ezdxf"
# emscripten builds the page, python3 assembles it, node runs the unit tests
# on WebAssembly; Selenium drives chromium to test the page, which prints the
# report (poppler measures it) and downloads the drawing (ezdxf reads it).
web_packages="emscripten nodejs python3 chromium chromium-driver python3-selenium poppler-utils python3-ezdxf"

packages=$build_packages
for group in "$@"; do
  case "$group" in
    test) packages="$packages $test_packages" ;;
    screenshot) packages="$packages $screenshot_packages" ;;
    fuzz) packages="$packages $fuzz_packages" ;;
    windows) packages="$packages $windows_packages" ;;
    web) packages="$packages $web_packages" ;;
    *) echo "install-deps: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=""
for package in $packages; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  case "$status" in
    *" installed") ;;
    *) missing="$missing $package" ;;
  esac
done

if [ -z "$missing" ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "install-deps: these packages are missing and there is no sudo:$missing" >&2
  exit 1
fi

echo "install-deps: installing$missing"
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -q
# shellcheck disable=SC2086 # one word per package
$as_root apt-get install -y -q --no-install-recommends $missing
