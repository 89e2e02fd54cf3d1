#!/usr/bin/env bash
# Pictures of the results module for review, taken by the end-to-end driver
# as it scans, browses and recovers two disk images:
#   scripts/screenshot-results.sh OUT_FOLDER
# Runs build/tests/app/ResultsEndToEnd/ResultsEndToEndTest --shots under a
# private X server (xvfb-run): per step a grab() of the main window (and of
# the dialog on top) and an `import -window root` picture of the screen.
# As root the NTFS image is added (ntfs-3g mount); otherwise FAT32 only.
set -euo pipefail
out=$(realpath -m "${1:?usage: $0 OUT_FOLDER}")
root=$(cd "$(dirname "$0")/.." && pwd)
driver=$root/build/tests/app/ResultsEndToEnd/ResultsEndToEndTest
[ -x "$driver" ] || { echo "build the driver first: $driver is missing" >&2; exit 2; }
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (apt-get install xvfb)" >&2; exit 2; }
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1440x900x24" env QT_QPA_PLATFORM=xcb "$driver" --shots "$out"
ls "$out"
