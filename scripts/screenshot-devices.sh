#!/usr/bin/env bash
# Pictures of the device-selection pages and dialogs for review:
#   scripts/screenshot-devices.sh OUT_FOLDER
# Makes the device tests' fake machine (build/tests/app/Devices/ostrel-fake-machine:
# an NVMe with the system volume, a USB stick, an SD card, a locked BitLocker
# partition and a card image) and runs build/app/tools/ostrel-device-shots on it,
# offscreen (QWidget::grab), then once more under a private X server (xvfb-run)
# so the pictures can be compared with what a real display draws, and takes the
# whole program's screen there (ImageMagick's import -window root).
set -euo pipefail
out=$(realpath -m "${1:?usage: $0 OUT_FOLDER}")
root=$(cd "$(dirname "$0")/.." && pwd)
tool=$root/build/app/tools/ostrel-device-shots
machine=$root/build/tests/app/Devices/ostrel-fake-machine
[ -x "$tool" ] || { echo "build the tool first: $tool is missing" >&2; exit 2; }

scratch=$(mktemp -d)
machine_pid=
cleanup() {
  # Closing its input makes the machine remove itself.
  if [ -n "$machine_pid" ]; then
    exec {machine_in}>&-
    wait "$machine_pid" || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -m 700 "$scratch/run"
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run

if [ -x "$machine" ]; then
  mkfifo "$scratch/machine-in"
  "$machine" <"$scratch/machine-in" >"$scratch/machine-env" &
  machine_pid=$!
  exec {machine_in}>"$scratch/machine-in"
  # The machine prints its environment, then an empty line.
  for _ in $(seq 1 600); do
    grep -qx '' "$scratch/machine-env" 2>/dev/null && break
    kill -0 "$machine_pid" 2>/dev/null || { echo "the fake machine could not be made" >&2; exit 1; }
    sleep 0.1
  done
  while IFS='=' read -r name value; do
    [ -n "$name" ] && export "$name=$value"
  done <"$scratch/machine-env"
else
  echo "no fake machine ($machine is not built): a made-up device list instead" >&2
fi

QT_QPA_PLATFORM=offscreen "$tool" --out "$out"
QT_QPA_PLATFORM=offscreen "$root/build/app/tools/ostrel-guide-shots" --out "$out"
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1440x900x24" env QT_QPA_PLATFORM=xcb "$tool" --out "$out/xvfb"
  xvfb-run -a -s "-screen 0 1440x900x24" env QT_QPA_PLATFORM=xcb "$root/build/app/tools/ostrel-guide-shots" \
    --out "$out/xvfb"
  if [ -x "$root/build/app/OstrelWindowsData" ] && command -v import >/dev/null; then
    "$root/scripts/screenshot-main-window.sh" "$out/xvfb/devices-program.png" 8
  fi
fi
