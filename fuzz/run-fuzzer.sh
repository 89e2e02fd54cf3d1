#!/usr/bin/env bash
# Runs one carving fuzzer for a while, seeded with the real fixtures.
#   fuzz/run-fuzzer.sh FUZZER SECONDS FIXTURE_DIR
set -euo pipefail
fuzzer=$1 seconds=$2 fixtures=$3
here=$(cd "$(dirname "$0")" && pwd)
flock "$fixtures.lock" bash -c "[ -f '$fixtures/.done' ] || { rm -rf '$fixtures'; bash '$here/../scripts/make-carving-fixtures.sh' '$fixtures' >/dev/null && touch '$fixtures/.done'; }"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The fuzzer's own status is the result; grep only shortens the log (and finds
# nothing to print on some runs, which must not count).
set +e
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
  "$corpus" "$fixtures" 2>&1 | grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|==|SUMMARY|#[0-9]+ +DONE)|ERROR|carving property|deadly signal"
status=${PIPESTATUS[0]}
exit "$status"
