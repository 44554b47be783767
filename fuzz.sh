#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, in build-fuzz/) and runs each in turn
# for SECONDS (default 60), starting from its seed corpus in fuzz/corpus/NAME.
# New inputs are kept in build-fuzz/corpus/NAME, crashes in
# build-fuzz/artifacts/NAME. Prints runs and coverage per target; fails when
# any target found a crash, a hang, a leak or a broken property.
#   ./fuzz.sh [SECONDS] [NAME...]     NAME: settings_file delimited_text ...
# VANTEL_FUZZ_RUNS=N stops each target after N runs, if that comes first.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

seconds=${1:-60}
shift || true
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  names=(settings_file delimited_text html_table cp932 jpeg wave roster_import)
fi

build=build-fuzz
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target "${names[@]/#/fuzz_}"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Without allocation stacks the targets run faster; rerun a crash input to see them.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:malloc_context_size=0}
failed=()
printf '%-16s %12s %8s %8s %8s  %s\n' target runs cov ft corpus result
for name in "${names[@]}"; do
  mkdir -p "$build/corpus/$name" "$build/artifacts/$name" "$build/logs"
  log="$build/logs/$name.log"
  options=(-max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048
           -artifact_prefix="$build/artifacts/$name/")
  [ -n "${VANTEL_FUZZ_RUNS:-}" ] && options+=(-runs="$VANTEL_FUZZ_RUNS")
  [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
  [ -f "fuzz/$name.options" ] && read -r -a extra <"fuzz/$name.options" && options+=("${extra[@]}")
  result=ok
  "./$build/fuzz_$name" "${options[@]}" "$build/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1 || result=FAILED
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corpus=$(sed -n 's/.* corp: \([0-9]*\/[0-9]*[a-zA-Z]*\).*/\1/p' <<<"$last")
  if [ "$result" != ok ]; then
    failed+=("$name")
    result="FAILED, see $log and $build/artifacts/$name/"
  fi
  printf '%-16s %12s %8s %8s %8s  %s\n' "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}" "${corpus:-?}" "$result"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]}"
  exit 1
fi
