#!/bin/sh
# Installs the Debian packages segcalc needs to build, test and run, skipping
# those already present. Runs apt-get as root, or through sudo otherwise.
# With the argument 'fuzz' it adds clang and libFuzzer, which only `make fuzz`
# needs.
set -eu

packages="
  g++ cmake ninja-build make pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  locales
"
if [ "${1:-}" = fuzz ]; then
  packages="$packages clang-14 libclang-rt-14-dev"
fi

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
