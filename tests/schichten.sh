#!/bin/bash
# Fails when a file includes a floor above its own. The floors, lowest first: seams < wordlist <
# game < the Qt services that fill the seams (look, pictures, boxes, printing, voice, sound, module) < ui.
# Folders of one floor may include each other. Tests, benchmarks and tools stand outside and may
# include any.
# Usage: schichten.sh [project root]
set -u
cd "${1:-$(dirname "$0")/..}" || exit 2
stockwerke=(seams wordlist game "look pictures boxes printing voice sound module" ui)
# The floor of a folder, or nothing for one outside the floors.
stockwerk() {
    local i
    for i in "${!stockwerke[@]}"; do
        for ordner in ${stockwerke[$i]}; do
            [ "$ordner" = "$1" ] && { echo "$i"; return; }
        done
    done
}
fehler=0
for eigen in "${!stockwerke[@]}"; do
    for ordner in ${stockwerke[$eigen]}; do
        [ -d "$ordner" ] || continue
        while IFS=: read -r datei zeile text; do
            ziel=$(sed -E 's/.*[<"](\.\.\/)*([^/]+)\/.*/\2/' <<<"$text")
            oben=$(stockwerk "$ziel")
            if [ -n "$oben" ] && [ "$oben" -gt "$eigen" ]; then
                echo "$datei:$zeile: $ordner/ reaches up to $ziel/: $text"
                fehler=1
            fi
        done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^/">]+/' "$ordner" \
                     --include='*.h' --include='*.cpp' --include='*.in')
    done
done
exit $fehler
