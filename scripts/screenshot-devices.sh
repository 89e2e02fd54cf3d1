#!/usr/bin/env bash
# Pictures of the device-selection pages and dialogs for review:
#   scripts/screenshot-devices.sh OUT_FOLDER
# Runs build/app/tools/ostrel-device-shots on a made-up machine, offscreen
# (QWidget::grab), then once more under a private X server (xvfb-run) so the
# pictures can be compared with what a real display draws.
set -euo pipefail
out=$(realpath -m "${1:?usage: $0 OUT_FOLDER}")
root=$(cd "$(dirname "$0")/.." && pwd)
tool=$root/build/app/tools/ostrel-device-shots
[ -x "$tool" ] || { echo "build the tool first: $tool is missing" >&2; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run

QT_QPA_PLATFORM=offscreen "$tool" --out "$out"
QT_QPA_PLATFORM=offscreen "$root/build/app/tools/ostrel-guide-shots" --out "$out"
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1440x900x24" env QT_QPA_PLATFORM=xcb "$tool" --out "$out/xvfb"
fi
