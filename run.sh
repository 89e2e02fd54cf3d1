#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Until the desktop
# program is built this prints the machine's disks and volumes as the engine sees them.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BUILD_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)"

if [ -x build/app/OstrelWindowsData ]; then
  exec build/app/OstrelWindowsData "$@"
fi
echo "The desktop program is not built yet; the engine's view of this machine:" >&2
build/tools/velmora-probe list || echo "(listing is not built yet)" >&2
