#!/usr/bin/env bash
# What the tests of one build left behind, checked after all of them ran:
#   check-leftovers.sh baseline FILE        notes what is there before the tests
#   check-leftovers.sh check FILE MARK      fails on what the tests left
# Left behind: a process that carries MARK (VELMORA_TEST_BUILD=<build folder>,
# set on every test and inherited by everything a test starts), and, new since
# the baseline, a loop device on a deleted file or a dead mount under the
# temporary folder.
set -uo pipefail
mode=$1 file=$2
tmp=$(realpath "${TMPDIR:-/tmp}")

deleted_loops() {
  command -v losetup >/dev/null || return 0
  losetup -l -n -O NAME,BACK-FILE 2>/dev/null | awk '/\(deleted\)/ { print $1 }'
}

# Mount points under the temporary folder that no longer answer (a FUSE mount
# whose daemon died) or whose source is a loop device on a deleted file.
dead_mounts() {
  local loops
  loops=$(deleted_loops)
  while read -r source point; do
    point=$(printf '%b' "$point")
    case "$point" in "$tmp"/*) ;; *) continue ;; esac
    if ! stat "$point" >/dev/null 2>&1 || grep -qxF -- "$source" <<<"$loops"; then
      printf '%s on %s\n' "$source" "$point"
    fi
  done < <(awk '{ print $1, $2 }' /proc/mounts)
}

case "$mode" in
baseline)
  { deleted_loops; dead_mounts; } | sort -u >"$file"
  exit 0 ;;
check)
  mark=$3
  status=0
  # One grep over every environment; a process that ends meanwhile is skipped.
  while read -r environ; do
    dir=${environ%/environ}
    pid=${dir#/proc/}
    [ "$pid" = $$ ] && continue
    cmd=$(tr '\0' ' ' <"$dir/cmdline" 2>/dev/null) || continue
    [ -n "$cmd" ] || continue
    echo "left running: pid $pid: $cmd"
    status=1
  done < <(grep -lzxF -- "$mark" /proc/[0-9]*/environ 2>/dev/null)
  touch "$file"
  while read -r line; do
    grep -qxF -- "$line" "$file" && continue
    echo "left behind: $line"
    status=1
  done < <({ deleted_loops; dead_mounts; } | sort -u)
  exit $status ;;
esac
echo "usage: $0 baseline|check FILE [MARK]" >&2
exit 2
