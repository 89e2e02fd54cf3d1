#!/usr/bin/env bash
# What the tests of one build left behind, checked after all of them ran:
#   check-leftovers.sh baseline FILE        notes what is there before the tests
#   check-leftovers.sh check FILE MARK      fails on what the tests left
# Left behind: a process that carries MARK (VELMORA_TEST_BUILD=<build folder>,
# set on every test and inherited by everything a test starts), and, new since
# the baseline, a loop device whose backing file, or a mount whose mount point,
# lies under the tests' folders (the temporary folder and the build folder),
# a mount of such a loop device, and a device-mapper table named with the
# tests' prefix. A test killed by its timeout or a sanitizer abort leaves its
# image file as well, so the backing file's path is what tells, not whether it
# was deleted.
set -uo pipefail
mode=$1 file=$2
tmp=$(realpath "${TMPDIR:-/tmp}")
dmPrefix=velmora-

# "loop DEVICE on FILE", one a line; losetup's raw form escapes blanks as \xHH.
loops() {
  command -v losetup >/dev/null || return 0
  losetup --list --noheadings --raw -O NAME,BACK-FILE 2>/dev/null | while read -r name back; do
    printf 'loop %s on %b\n' "$name" "$back"
  done
}

# "mount SOURCE on POINT"; /proc/mounts escapes blanks as octal.
mounts() {
  while read -r source point _; do
    printf 'mount %b on %b\n' "$source" "$point"
  done </proc/mounts
}

# "device-mapper NAME"; nothing where the kernel has no device-mapper.
tables() {
  command -v dmsetup >/dev/null || return 0
  dmsetup ls 2>/dev/null | awk '$1 != "No" { print "device-mapper " $1 }'
}

state() { { loops; mounts; tables; } | sort -u; }

case "$mode" in
baseline)
  state >"$file"
  exit 0 ;;
check)
  mark=$3
  build=$(realpath -m "${mark#*=}")
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
  ours() {
    local path=${1% (deleted)}
    case "$path" in "$tmp"/* | "$build"/*) return 0 ;; esac
    return 1
  }
  current=$(state)
  # Loop devices of the tests, new since the baseline: their mounts are the tests' too.
  ourLoops=()
  while read -r kind name _ back; do
    [ "$kind" = loop ] || continue
    grep -qxF -- "loop $name on $back" "$file" && continue
    ours "$back" && ourLoops+=("$name")
  done <<<"$current"
  while read -r line; do
    [ -n "$line" ] || continue
    grep -qxF -- "$line" "$file" && continue
    read -r kind name _ where <<<"$line"
    case "$kind" in
    loop) ours "$where" || continue ;;
    mount) ours "$where" || printf '%s\n' "${ourLoops[@]}" | grep -qxF -- "$name" || continue ;;
    device-mapper) [[ "$name" == "$dmPrefix"* ]] || continue ;;
    esac
    echo "left behind: $line"
    status=1
  done <<<"$current"
  exit $status ;;
esac
echo "usage: $0 baseline|check FILE [MARK]" >&2
exit 2
