#!/bin/bash
# Runs every libFuzzer target of a fuzz build for a bounded time, a few at a
# time, and reports the executions of each. New inputs go to a working corpus
# inside the build folder; the committed seeds in fuzz/corpus are only read.
# Exits non-zero when any target found a fault; its input is in
# BUILD/findings/.
#
#   run-fuzz.sh BUILD SECONDS PARALLEL TARGET...
set -eu
build=$1 seconds=$2 parallel=$3
shift 3
cd "$(dirname "$0")/.."
mkdir -p "$build/findings"

run_target() {
  local name=$1 max_len=4096
  # A compute may cost a full scan; its target refuses longer inputs anyway.
  [ "$name" = compute ] && max_len=128
  mkdir -p "$build/fuzz-corpus/$name"
  "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len="$max_len" -timeout=20 \
    -rss_limit_mb=2048 -print_final_stats=1 -dict=fuzz/texts.dict \
    -artifact_prefix="$build/findings/$name-" \
    "$build/fuzz-corpus/$name" "fuzz/corpus/$name" >"$build/fuzz-$name.log" 2>&1
}
export -f run_target
export build seconds

status=0
printf '%s\n' "$@" | xargs -P "$parallel" -I{} bash -c 'run_target {}' || status=1

for name in "$@"; do
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz-$name.log" | tail -n 1)
  echo "fuzz $name: ${runs:-?} executions in ${seconds} s (log: $build/fuzz-$name.log)"
done
if [ "$status" -ne 0 ] || [ -n "$(ls -A "$build/findings")" ]; then
  echo "fuzz: findings in $build/findings:" >&2
  ls -l "$build/findings" >&2
  exit 1
fi
