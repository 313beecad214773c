#!/bin/bash
# Runs every libFuzzer target of a fuzz build for a bounded time, a few at a
# time, and reports the executions of each. New inputs go to a working corpus
# inside the build folder; the committed seeds in fuzz/corpus are only read.
# Exits non-zero when any target found a fault; its input is in
# BUILD/findings/.
#
#   run-fuzz.sh BUILD SECONDS PARALLEL [TARGET...]
# Without targets it runs every one the build made, as BUILD/fuzz/targets.txt
# names them (fuzz/CMakeLists.txt writes it).
set -eu
build=$1 seconds=$2 parallel=$3
shift 3
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
  list="$build/fuzz/targets.txt"
  [ -s "$list" ] || { echo "run-fuzz: no $list; configure with -DSEGCALC_FUZZ=ON" >&2; exit 2; }
  mapfile -t targets <"$list"
  set -- "${targets[@]}"
fi
mkdir -p "$build/findings"
# Findings of earlier runs stay for reference; only this run's count.
started="$build/findings/.started"
touch "$started"

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
  log="$build/fuzz-$name.log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  # libFuzzer writes "Done N runs in S second(s)" only when the time ran out.
  done_line=$(grep -E '^Done [0-9]+ runs' "$log" | tail -n 1 || true)
  if [ -n "$done_line" ]; then
    echo "fuzz $name: ${done_line#Done } (log: $log)"
  else
    echo "fuzz $name: stopped by a finding after ${runs:-?} runs (log: $log)"
  fi
done
found=$(find "$build/findings" -type f -newer "$started")
if [ "$status" -ne 0 ] || [ -n "$found" ]; then
  echo "fuzz: findings of this run:" >&2
  echo "${found:-(none kept; see the logs)}" >&2
  exit 1
fi
