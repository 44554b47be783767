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
# Every fuzz target once more over its corpus (and a little beyond).
./fuzz.sh 20
echo "All tests passed."
