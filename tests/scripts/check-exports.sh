#!/usr/bin/env bash
# Checks that each library exports the functions listed in exports.txt
# ("library: demangled name" per line).
set -euo pipefail
velmora=$1
tirrane=$2
here=$(dirname "$0")
status=0
velmora_syms=$(nm -D --defined-only "$velmora" | c++filt)
tirrane_syms=$(nm -D --defined-only "$tirrane" | c++filt)
while IFS=: read -r lib name; do
  [ -z "$lib" ] && continue
  case "$lib" in \#*) continue ;; esac
  name=$(echo "$name" | sed 's/^ *//')
  case "$lib" in
    Velmora) syms=$velmora_syms ;;
    Tirrane) syms=$tirrane_syms ;;
    *) echo "unknown library $lib"; exit 2 ;;
  esac
  if ! grep -qF -- " $name(" <<<"$syms"; then
    echo "missing export in $lib: $name"
    status=1
  fi
done < "$here/exports.txt"
[ $status -eq 0 ] && echo "all exports present"
exit $status
