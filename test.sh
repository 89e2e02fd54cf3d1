#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test with ctest,
# then builds and runs the tests again under AddressSanitizer and ThreadSanitizer.
#   ./test.sh           everything
#   ./test.sh --quick   the plain build only
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh

jobs=$(nproc)
quick=0
[ "${1:-}" = "--quick" ] && quick=1

build_and_test() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 900
}

build_and_test build -DCMAKE_BUILD_TYPE=RelWithDebInfo

if [ $quick -eq 0 ]; then
  echo "== AddressSanitizer and UndefinedBehaviorSanitizer =="
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    build_and_test build-asan -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZER=address
  echo "== ThreadSanitizer =="
  TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/app/sanitizers/tsan-qt.supp" \
    build_and_test build-tsan -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZER=thread
fi
