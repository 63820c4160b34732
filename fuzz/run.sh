#!/usr/bin/env bash
# fuzz/run.sh TARGET SECONDS, or fuzz/run.sh all SECONDS (that long for each
# target, as many at a time as there are cores): runs libFuzzer over the committed seeds in
# fuzz/corpus/TARGET/ and a scratch corpus in build-fuzz/corpus/TARGET/, in
# one process. Fails when a target crashes, breaks one of its properties,
# times out or runs out of memory; the input is kept in
# build-fuzz/artifacts/TARGET/ and the log in build-fuzz/logs/. Build first
# with fuzz/build.sh; LEXAVIA_FUZZ_BUILD names another build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
targets=(DictionaryReaderFuzzer ScannerFuzzer SegmenterFuzzer CommandLineFuzzer)

if [ $# -ne 2 ] || ! [[ $2 =~ ^[0-9]+$ ]] || [ "$2" -eq 0 ]; then
  echo "usage: $0 TARGET|all SECONDS   (targets: ${targets[*]})" >&2
  exit 2
fi

run_target() {
  local target=$1 seconds=$2
  local binary=${LEXAVIA_FUZZ_BUILD:-$root/build-fuzz}/fuzz/$target
  local seeds=$root/fuzz/corpus/$target
  local scratch=$root/build-fuzz/corpus/$target
  local artifacts=$root/build-fuzz/artifacts/$target
  local log
  if [ ! -x "$binary" ]; then
    echo "$target: $binary is missing; run fuzz/build.sh" >&2
    return 1
  fi
  if [ ! -d "$seeds" ]; then
    echo "$target: no seed corpus $seeds" >&2
    return 1
  fi
  mkdir -p "$scratch" "$artifacts" "$root/build-fuzz/logs"
  log=$root/build-fuzz/logs/$target-$(date -u +%Y%m%dT%H%M%SZ).log
  local status=0
  "$binary" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$scratch" "$seeds" >"$log" 2>&1 ||
    status=$?
  local executions coverage
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  coverage=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+' || true)
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "$target: FAILED (status $status); log $log; input in $artifacts/" >&2
    return 1
  fi
  echo "$target: ${seconds}s, ${executions:-?} executions, ${coverage:-no coverage line}; log $log"
}

if [ "$1" = all ]; then
  # As many targets at a time as there are cores; each still runs SECONDS.
  failed=0 running=0
  for target in "${targets[@]}"; do
    if [ "$running" -ge "$(nproc)" ]; then
      wait -n || failed=1
      running=$((running - 1))
    fi
    run_target "$target" "$2" &
    running=$((running + 1))
  done
  while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
  done
  exit "$failed"
fi
for target in "${targets[@]}"; do
  if [ "$1" = "$target" ]; then
    run_target "$1" "$2"
    exit
  fi
done
echo "unknown target $1 (targets: ${targets[*]})" >&2
exit 2
