#!/bin/sh
# Writes config/ExFATUpCase: the up-case table mkfs.exfat puts on a new exFAT
# volume, in the compressed form the volume stores. The exFAT engine reads a
# volume's own table and falls back to this file beside the library.
set -eu
out="${1:-$(dirname "$0")/../config/ExFATUpCase}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
truncate -s 32M "$work/volume.img"
mkfs.exfat "$work/volume.img" >/dev/null
python3 - "$work/volume.img" "$out" <<'PY'
import struct, sys
image, out = sys.argv[1], sys.argv[2]
with open(image, 'rb') as f:
    data = f.read()
boot = data[:512]
sector = 1 << boot[108]
cluster = sector << boot[109]
heap = struct.unpack_from('<I', boot, 88)[0] * sector
root = struct.unpack_from('<I', boot, 96)[0]
at = heap + (root - 2) * cluster
for i in range(0, cluster, 32):
    entry = data[at + i:at + i + 32]
    if entry[0] == 0x82:
        first = struct.unpack_from('<I', entry, 20)[0]
        length = struct.unpack_from('<Q', entry, 24)[0]
        start = heap + (first - 2) * cluster
        with open(out, 'wb') as f:
            f.write(data[start:start + length])
        break
else:
    sys.exit('no up-case table entry in the root directory')
PY
