#!/bin/bash
# Fails when a file includes a floor above its own. The floors, lowest first:
# seams < wordlist < game < ui. Tests, benchmarks and tools stand outside and may include any.
# Usage: schichten.sh [project root]
set -u
cd "${1:-$(dirname "$0")/..}" || exit 2
stockwerke=(seams wordlist game ui)
fehler=0
for eigen in "${!stockwerke[@]}"; do
    ordner=${stockwerke[$eigen]}
    [ -d "$ordner" ] || continue
    while IFS=: read -r datei zeile text; do
        ziel=$(sed -E 's/.*[<"](\.\.\/)*([^/]+)\/.*/\2/' <<<"$text")
        for oben in "${!stockwerke[@]}"; do
            if [ "${stockwerke[$oben]}" = "$ziel" ] && [ "$oben" -gt "$eigen" ]; then
                echo "$datei:$zeile: $ordner/ reaches up to $ziel/: $text"
                fehler=1
            fi
        done
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^/">]+/' "$ordner" \
                 --include='*.h' --include='*.cpp' --include='*.in')
done
exit $fehler
