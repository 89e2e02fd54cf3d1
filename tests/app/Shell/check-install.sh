#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs from it:
# the program, the libraries it loads (found inside the prefix, not the build
# tree), the launcher entry (checked by desktop-file-validate), the icon it
# names, the polkit action its launcher asks under (checked against polkit's
# DTD), and headless starts and quits of the installed program through the
# launcher: as root, and as a normal user whose request for rights is declined.
#   check-install.sh BUILD_DIR
# Exit 77 (a skip) for a missing tool, a failure instead with VELMORA_NO_TOOL_SKIPS=1.
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_DIR}")
fail() { echo "FAIL: $*" >&2; exit 1; }
missing() {
  if [ "${VELMORA_NO_TOOL_SKIPS:-}" = 1 ]; then fail "$1"; fi
  echo "SKIP: $1" >&2; exit 77
}
for tool in desktop-file-validate readelf ldd xmllint runuser; do
  command -v "$tool" >/dev/null || missing "needs the tool $tool, which is not installed"
done

policy_dtd=/usr/share/polkit-1/policyconfig-1.dtd
[ -f "$policy_dtd" ] || missing "needs polkit's $policy_dtd (polkitd), which is not installed"

# Every folder above the scratch one must be enterable by the user nobody,
# who starts the installed launcher below.
reachable() {
  local path=$1
  while [ "$path" != / ]; do
    case $(stat -c %A "$path" | cut -c10) in x | t) ;; *) return 1 ;; esac
    path=$(dirname "$path")
  done
}
base=${TMPDIR:-/tmp}
reachable "$base" || base=/tmp
scratch=$(mktemp -d "$base/check-install-XXXXXX")
chmod 755 "$scratch"
program_pid=
cleanup() {
  # A program started through runuser is its child.
  [ -n "$program_pid" ] && kill -KILL $(ps -o pid= --ppid "$program_pid") "$program_pid" 2>/dev/null || true
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

# The entry starts the installed launcher and names an icon that is installed.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ "$exec_name" = ostrel-windows-data ] || fail "Exec= names '$exec_name'"
launcher=$prefix/bin/$exec_name
[ -x "$launcher" ] || fail "no launcher at $launcher"

# The action the launcher asks polkit under: valid for polkit, naming the
# installed program by its real path (pkexec compares it with what it runs)
# and letting it use the user's display.
action=$prefix/share/polkit-1/actions/org.ostrel.windowsdata.policy
[ -f "$action" ] || fail "no polkit action at $action"
xmllint --noout --dtdvalid "$policy_dtd" "$action" || fail "$action is not a valid polkit action"
action_program=$(sed -n 's|.*"org.freedesktop.policykit.exec.path">\([^<]*\)<.*|\1|p' "$action")
[ "$action_program" = "$(realpath "$program")" ] || fail "the action names '$action_program', not $program"
grep -q '"org.freedesktop.policykit.exec.allow_gui">true<' "$action" || fail "the action does not allow the display"
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

# pkexec as the launcher finds it on PATH: it notes what it was asked to run,
# and declines, as a user who dismisses the password request does.
fake_bin=$scratch/fake-bin
mkdir -p "$fake_bin"
asked=$scratch/pkexec-asked
cat >"$fake_bin/pkexec" <<PKEXEC
#!/bin/sh
echo "\$*" >>"$asked"
exit 126
PKEXEC
chmod 755 "$fake_bin/pkexec"
touch "$asked"
chmod 666 "$asked"

# Headless starts of the installed program through the launcher and its
# normal quit on SIGTERM, as the user given ("" for this one).
start_and_quit() {
  local user=$1 home=$scratch/home-${1:-root}
  mkdir -m 700 -p "$home/run"
  [ -n "$user" ] && chown -R "$user" "$home"
  local environment=(HOME="$home" XDG_RUNTIME_DIR="$home/run" XDG_CONFIG_HOME="$home/config"
    XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" QT_QPA_PLATFORM=offscreen VELMORA_IMAGES_ONLY=1
    PATH="$fake_bin:$PATH")
  local as=()
  [ -n "$user" ] && as=(runuser -u "$user" --)
  "${as[@]}" env -u DBUS_SESSION_BUS_ADDRESS "${environment[@]}" "$launcher" >"$home/program.out" 2>&1 &
  program_pid=$!
  local log=
  # Bounded only so that a hung start fails rather than hangs the run.
  for _ in $(seq 1 1200); do
    log=$(find "$home" -name AppLog.log -print -quit)
    if [ -n "$log" ] && grep -q '\[Launcher\] end' "$log"; then break; fi
    kill -0 "$program_pid" 2>/dev/null || { cat "$home/program.out" >&2; fail "the installed program ended at its start${user:+ as $user}"; }
    sleep 0.1
  done
  [ -n "$log" ] && grep -q '\[Launcher\] end' "$log" || { cat "$home/program.out" >&2; fail "the installed program did not finish its start${user:+ as $user}"; }
  # runuser would end by the signal itself: the program, its child, gets it.
  local quitting=$program_pid
  [ -n "$user" ] && quitting=$(ps -o pid= --ppid "$program_pid" | tr -d ' ')
  kill -TERM "$quitting"
  local status=0
  wait "$program_pid" || status=$?
  program_pid=
  [ "$status" = 0 ] || fail "the installed program quit with status $status${user:+ as $user}"
  grep -q "App quit" "$log" || fail "no quit sequence in the log${user:+ as $user}"
}
unset DBUS_SESSION_BUS_ADDRESS OSTREL_ANALYTICS_URL OSTREL_UPDATE_URL OSTREL_WEBSITE OSTREL_CRASH_URL

# Root has the rights already: the program starts without asking.
start_and_quit ""
[ ! -s "$asked" ] || fail "the launcher asked polkit for root: $(cat "$asked")"

# A normal user: the launcher asks for the program the action names; declined,
# it starts the program as that user.
reachable "$launcher" || fail "the user nobody cannot reach $launcher"
start_and_quit nobody
[ "$(cat "$asked")" = "$action_program" ] || fail "the launcher asked pkexec for '$(cat "$asked")'"
echo "installed into a scratch prefix: program, libraries, entry, action and icon checked"
