#!/usr/bin/env bash
# Each folder includes only from itself and the folders below it, as the libraries link
# (CMakeLists.txt). A file that reaches up fails here with its name and the include.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
declare -A allowed=(
  [game]="game"
  [ai]="ai game"
  [save]="save game"
  [ui]="ui game"
  [app]="app ai save ui game"
  [sim]="sim app ai save ui game"
  [assets]="assets ui game"
  [render]="render app assets ui ai save game"
)
status=0
for folder in "${!allowed[@]}"; do
  for file in "$root/$folder"/*.cpp "$root/$folder"/*.h; do
    [ -e "$file" ] || continue
    [ "$file" = "$root/app/main.cpp" ] && continue  # the executable sits on top of everything
    while IFS= read -r used; do
      case " ${allowed[$folder]} " in
        *" $used "*) ;;
        *) echo "${file#$root/} includes from $used/, above $folder/"; status=1 ;;
      esac
    done < <(sed -n 's|^#include "\([a-z_]*\)/.*|\1|p' "$file" | sort -u)
  done
done
exit $status
