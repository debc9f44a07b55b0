#!/usr/bin/env bash
# Fails when a folder of the core includes a folder above it, or anything of the GUI.
# Order, lowest first; folders on one line sit side by side and may not include each other.
set -euo pipefail
core="$(cd "$(dirname "$0")/.." && pwd)/src/core"
levels=("base" "model" "channels document features" "link report" "testmode" "app")
rank() { local i; for i in "${!levels[@]}"; do for f in ${levels[$i]}; do [ "$f" = "$1" ] && { echo "$i"; return; }; done; done; echo 99; }
status=0
for dir in "$core"/*/; do
    folder=$(basename "$dir")
    own=$(rank "$folder")
    while IFS=: read -r file _ included; do
        target=$(sed -E 's|.*"core/([a-z]+)/.*|\1|' <<<"$included")
        if grep -q '"gui/\|<Q' <<<"$included"; then
            echo "${file#"$core"/} includes $included"; status=1; continue
        fi
        [ "$target" = "$folder" ] && continue
        if [ "$(rank "$target")" -ge "$own" ]; then
            echo "${file#"$core"/} includes $included"; status=1
        fi
    done < <(grep -rn '#include ["<]\(core\|gui\)/\|#include <Q' "$dir" || true)
done
exit $status
