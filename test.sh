#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: once in a
# normal build and once more under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# Includes that cross the layers the wrong way fail here, before any build.
python3 scripts/check-layers.py

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DVANTEL_WERROR=ON "$@"
  cmake --build "$dir"
  (cd "$dir" && ctest --output-on-failure --timeout 600)
}

export QT_QPA_PLATFORM=offscreen
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DVANTEL_SANITIZE=ON
# The tests of the threads (worker, history, outbox, sender, reader, voice) under ThreadSanitizer.
# Qt is not built with it: what Qt's own libraries do is left out rather than suppressed report by report.
tsan_tests=(tst_serialworker tst_history tst_outbox tst_classsender tst_sendfaults tst_classview tst_readaloudvoice)
cmake -S . -B build-tsan -G Ninja -DVANTEL_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTEL_TSAN=ON
cmake --build build-tsan --target "${tsan_tests[@]}" history_writer classroom_sender
(cd build-tsan && TSAN_OPTIONS="halt_on_error=1 ignore_noninstrumented_modules=1 die_after_fork=0" \
  ctest --output-on-failure --timeout 600 -R "^($(IFS='|'; echo "${tsan_tests[*]}"))\$")
# Every fuzz target once more over its corpus (and a little beyond).
./fuzz.sh 20
echo "All tests passed."
