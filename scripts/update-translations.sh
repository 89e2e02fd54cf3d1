#!/usr/bin/env bash
# Refreshes app/translations/*.ts from the program's sources with lupdate.
# Finished entries stay; new texts arrive unfinished and empty, so English
# shows until someone who knows the language fills them in.
#   scripts/update-translations.sh              the files in place
#   scripts/update-translations.sh OUT_FOLDER   refreshed copies into OUT_FOLDER, the
#                                               files in place untouched (the
#                                               translation test compares the two)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/app/translations}")
cd "$root"
mkdir -p "$out"

languages=(en_US:en-us zh_CN:zh-cn zh_TW:zh-tw it_IT:it-it de_DE:de-de fr_FR:fr-fr es_ES:es-es
           pt_PT:pt-pt ja_JP:ja-jp ru_RU:ru-ru id_ID:id-id ko_KR:ko-kr vi_VN:vi-vn)

for entry in "${languages[@]}"; do
  locale=${entry%%:*}
  file=app/translations/${entry##*:}.ts
  target=$out/${entry##*:}.ts
  [ "$(realpath -m "$file")" = "$target" ] || cp "$file" "$target"
  lupdate -silent -no-obsolete -locations none -disable-heuristic sametext -disable-heuristic similartext -disable-heuristic number -source-language en_US -target-language "$locale" \
    -extensions cpp,h app -ts "$target"
done
