#!/usr/bin/env bash
# The program may include only the engine's exported headers and those of
# the platform library it links itself (given after the source root, as
# src/-relative names); anything else from src/ would tie it to the engine's
# insides. Also refuses links to the engine's static twin.
set -euo pipefail
root=$1
shift
allowed=(
  DataRecovery/VelmoraExports.h
  DataRecovery/DataRecoveryMulti.h
  DataRecovery/DataRecoveryInfo.h
  DataRecovery/DiskAndVolumeInfo.h
  DataRecovery/VelmoraApi.h
  "$@"
)
status=0
while IFS= read -r line; do
  file=${line%%:*}
  header=$(sed -E 's/^[^#]*#[[:space:]]*include[[:space:]]*[<"]([^">]+)[">].*/\1/' <<<"${line#*:}")
  [ -f "$root/src/$header" ] || continue
  ok=0
  for a in "${allowed[@]}"; do [ "$header" = "$a" ] && ok=1; done
  if [ $ok -eq 0 ]; then
    echo "$file includes engine header $header"
    status=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' "$root/app" --include='*.h' --include='*.cpp' --include='*.hpp' | sed -E 's/:[0-9]+:/:/')
if grep -rnE 'velmora_static|velmora_objects' "$root/app" --include=CMakeLists.txt; then
  echo "app/ links the engine's internal targets"
  status=1
fi
[ $status -eq 0 ] && echo "app/ uses only the exported engine headers and the platform library's"
exit $status
