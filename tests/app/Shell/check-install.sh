#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs from it:
# the program, the libraries it loads (found inside the prefix, not the build
# tree), the launcher entry (checked by desktop-file-validate), the icon it
# names, and a headless start and quit of the installed program.
#   check-install.sh BUILD_DIR
# Exit 77 (a skip) for a missing tool, a failure instead with VELMORA_NO_TOOL_SKIPS=1.
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_DIR}")
fail() { echo "FAIL: $*" >&2; exit 1; }
missing() {
  if [ "${VELMORA_NO_TOOL_SKIPS:-}" = 1 ]; then fail "$1"; fi
  echo "SKIP: $1" >&2; exit 77
}
for tool in desktop-file-validate readelf ldd; do
  command -v "$tool" >/dev/null || missing "needs the tool $tool, which is not installed"
done

scratch=$(mktemp -d)
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
prefix=$(realpath -m "$scratch/prefix")
cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" || { cat "$scratch/install.log" >&2; fail "install"; }

program=$prefix/bin/OstrelWindowsData
entry=$prefix/share/applications/ostrel-windows-data.desktop
[ -x "$program" ] || fail "no program at $program"
[ -f "$entry" ] || fail "no launcher entry at $entry"
ls "$prefix"/lib/libVelmora.so* >/dev/null 2>&1 || fail "no engine library in $prefix/lib"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"

# The entry starts the installed program and names an icon that is installed.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ "$exec_name" = OstrelWindowsData ] || fail "Exec= names '$exec_name'"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ "$icon" = ostrel-windows-data ] || fail "Icon= names '$icon'"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"
for size in 16 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  # A real PNG of that size: its IHDR holds width and height as big-endian words.
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}"
done

# The installed program and libraries find each other inside the prefix only.
for binary in "$program" "$prefix"/lib/libVelmora.so; do
  if readelf -d "$binary" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
    fail "$binary still points into the build tree"
  fi
done
ldd "$program" >"$scratch/ldd.txt"
if grep -q "not found" "$scratch/ldd.txt"; then cat "$scratch/ldd.txt" >&2; fail "unresolved libraries"; fi
for lib in libVelmora libTirrane libGlimmet; do
  where=$(awk -v lib="$lib" '$1 ~ "^"lib"[.]so" {print $3}' "$scratch/ldd.txt")
  [ -n "$where" ] || fail "the program does not load $lib"
  where=$(realpath "$where")
  case "$where" in
    "$prefix"/lib/*) ;;
    *) fail "$lib resolves to '$where', not inside $prefix/lib" ;;
  esac
done

# A headless start of the installed program and its normal quit on SIGTERM.
mkdir -m 700 "$scratch/run"
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/config
export XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache
export QT_QPA_PLATFORM=offscreen VELMORA_IMAGES_ONLY=1
unset DBUS_SESSION_BUS_ADDRESS OSTREL_ANALYTICS_URL OSTREL_UPDATE_URL OSTREL_WEBSITE OSTREL_CRASH_URL
"$program" >"$scratch/program.out" 2>&1 &
program_pid=$!
log=
# Bounded only so that a hung start fails rather than hangs the run.
for _ in $(seq 1 1200); do
  log=$(find "$scratch" -name AppLog.log -print -quit)
  if [ -n "$log" ] && grep -q '\[Launcher\] end' "$log"; then break; fi
  kill -0 "$program_pid" 2>/dev/null || { cat "$scratch/program.out" >&2; fail "the installed program ended at its start"; }
  sleep 0.1
done
[ -n "$log" ] && grep -q '\[Launcher\] end' "$log" || { cat "$scratch/program.out" >&2; fail "the installed program did not finish its start"; }
kill -TERM "$program_pid"
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" = 0 ] || fail "the installed program quit with status $status"
grep -q "App quit" "$log" || fail "no quit sequence in the log"
echo "installed into a scratch prefix: program, libraries, entry and icon checked"
