#!/usr/bin/env bash
# Screenshot of the program's main window for review:
#   scripts/screenshot-main-window.sh OUT.png [seconds to wait, default 5]
# Runs build/app/OstrelWindowsData on a private X server (xvfb-run) with its own
# home and runtime folders, grabs the screen with ImageMagick's import, and
# ends the program with SIGTERM (its normal quit sequence).
set -euo pipefail
out=$(realpath -m "${1:?usage: $0 OUT.png [seconds]}")
wait_seconds=${2:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
program=$root/build/app/OstrelWindowsData
[ -x "$program" ] || { echo "build the program first: $program is missing" >&2; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/config
export XDG_DATA_HOME=$scratch/data

xvfb-run -a -s "-screen 0 1440x900x24" bash -c '
  "$1" & pid=$!
  sleep "$2"
  import -window root "$3"
  kill -TERM "$pid"
  wait "$pid"
' _ "$program" "$wait_seconds" "$out"
echo "$out"
