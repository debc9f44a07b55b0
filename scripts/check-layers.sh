#!/usr/bin/env bash
# Fails when a folder of the core or of the GUI includes a folder above it in its layer, when
# the core includes anything of the GUI or of Qt, or when the command-line tool or the page
# drawing it shares includes anything of the GUI.
# Order, lowest first; folders in one string sit side by side and may not include each other.
set -euo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)/src"
core_levels=("base" "model" "channels document features" "link report" "testmode" "app")
gui_levels=("widgets" "channels features testmode link document model print sound" "app" "program")
status=0

# rank FOLDER LEVELS...: the folder's level, 99 for a folder the order does not name.
rank() {
    local folder=$1 i=0 level f
    shift
    for level in "$@"; do
        for f in $level; do [ "$f" = "$folder" ] && { echo "$i"; return; }; done
        i=$((i + 1))
    done
    echo 99
}

# check LAYER INCLUDES-PATTERN FORBIDDEN-PATTERN LEVELS...: every include of the layer's folders
# that matches the pattern names a lower folder of the layer, or the folder itself.
check() {
    local layer=$1 pattern=$2 forbidden=$3 dir folder own file included target
    shift 3
    for dir in "$src/$layer"/*/; do
        folder=$(basename "$dir")
        own=$(rank "$folder" "$@")
        while IFS=: read -r file _ included; do
            if [ -n "$forbidden" ] && grep -q "$forbidden" <<<"$included"; then
                echo "${file#"$src"/} includes $included"; status=1; continue
            fi
            target=$(sed -E "s|.*\"$layer/([a-z]+)/.*|\1|" <<<"$included")
            [ "$target" = "$folder" ] && continue
            if [ "$(rank "$target" "$@")" -ge "$own" ]; then
                echo "${file#"$src"/} includes $included"; status=1
            fi
        done < <(grep -rn "$pattern" "$dir" || true)
    done
}

check core '#include ["<]\(core\|gui\)/\|#include <Q' '"gui/\|<Q' "${core_levels[@]}"
check gui '#include "gui/' '' "${gui_levels[@]}"
grep -rn '#include "gui/' "$src/cli" "$src/pages" && status=1
exit $status
