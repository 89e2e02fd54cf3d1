#!/usr/bin/env bash
# Runs a command that must fail with a sanitizer report (the fuzz runner on a
# fuzzer that crashes); succeeds only if it does.
out=$("$@" 2>&1)
rc=$?
printf '%s\n' "$out"
[ "$rc" -ne 0 ] && grep -q "ERROR: AddressSanitizer" <<<"$out"
