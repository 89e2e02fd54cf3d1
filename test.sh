#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test with ctest,
# then builds and runs the tests again under AddressSanitizer and ThreadSanitizer,
# and runs each carving parser's fuzzer for a minute (clang).
# Every build's tests run even when an earlier build's fail; the summary at the
# end names the builds that failed, and the exit status is non-zero if any did.
#   ./test.sh           everything
#   ./test.sh --quick   the plain build only
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh

jobs=$(nproc)
quick=0
[ "${1:-}" = "--quick" ] && quick=1
failed=()

# run.sh configures build/ without the tests: name the option, or the cached OFF
# stays and ctest finds nothing to run.
build_and_test() {
  local dir=$1; shift
  if ! cmake -S . -B "$dir" -G Ninja "$@" >/dev/null || ! cmake --build "$dir" -j "$jobs"; then
    failed+=("$dir (build)")
    return 0
  fi
  ctest --test-dir "$dir" -j "$jobs" --output-on-failure --timeout 900 --no-tests=error || failed+=("$dir")
}

build_and_test build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BUILD_TESTS=ON

if [ $quick -eq 0 ]; then
  echo "== AddressSanitizer and UndefinedBehaviorSanitizer =="
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    build_and_test build-asan -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZER=address -DVELMORA_BUILD_TESTS=ON
  echo "== Carving fuzzers (clang, ASan and UBSan) =="
  CC=clang CXX=clang++ build_and_test build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON -DFUZZ_SECONDS=60
  echo "== ThreadSanitizer =="
  # The engine's tests link no Qt and run with every check; each Qt test sets
  # its own options and suppressions (app/CMakeLists.txt, tests/app/sanitizers).
  TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1" \
    build_and_test build-tsan -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZER=thread -DVELMORA_BUILD_TESTS=ON
fi

if [ ${#failed[@]} -gt 0 ]; then
  echo "== Failed: ${failed[*]} ==" >&2
  exit 1
fi
echo "== Every build's tests passed =="
