#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks that every file is where the desktop looks
# for it, and runs the desktop's own validators on the installed entry and metainfo.
# Usage: installation.sh BUILD_DIR [CMAKE]
set -euo pipefail
bau="$1"
cmake="${2:-cmake}"
ziel="$(mktemp -d)"
trap 'rm -rf "$ziel"' EXIT

. "$(dirname "$0")/../support/pruefen.sh"

"$cmake" --install "$bau" --prefix "$ziel" >/dev/null

id=de.vunmemory.VunMemory
share="$ziel/share"
desktop="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"
listen="$share/vun-memory/wortlisten"

pruefe "program in bin" test -x "$ziel/bin/vun-memory"
pruefe "desktop entry" test -f "$desktop"
pruefe "metainfo" test -f "$metainfo"
pruefe "scalable icon" test -s "$share/icons/hicolor/scalable/apps/$id.svg"
pruefe "48 px icon" test -s "$share/icons/hicolor/48x48/apps/$id.png"
# The PNG signature, then width and height from the header chunk.
pruefe "icon is a 48 x 48 PNG" test "$(od -An -tx1 -N24 "$share/icons/hicolor/48x48/apps/$id.png" |
    tr -d ' \n')" = 89504e470d0a1a0a0000000d494844520000003000000030
pruefe "start-up word list" test -f "$listen/VUNMEMO.TXT"
pruefe "all shipped word lists" \
    test "$(find "$listen" -name '*.TXT' | wc -l)" -eq "$(find "$(dirname "$0")/../../daten/wortlisten" -name '*.TXT' | wc -l)"
pruefe "picture list and its pictures" bilder_da "$listen"
pruefe "the picture folder holds only the pictures" \
    test "$(find "$listen/bilder" -type f | wc -l)" -eq "$(find "$(dirname "$0")/../../daten/wortlisten/bilder" -name '*.svg' | wc -l)"
pruefe "entry starts in the installed word lists" grep -qx "Path=$listen" "$desktop"
pruefe "entry names the installed program, a file to open and the icon" \
    bash -c "grep -qx 'Exec=$ziel/bin/vun-memory %f' '$desktop' && grep -qx 'Icon=$id' '$desktop'"
pruefe "entry's full-screen action names the installed program" \
    grep -qx "Exec=$ziel/bin/vun-memory --vollbild %f" "$desktop"
pruefe "entry's reading-aloud action names the installed program" \
    grep -qx "Exec=$ziel/bin/vun-memory --vorlesen %f" "$desktop"
pruefe "entry's group action starts full screen asking for the groups" \
    grep -qx "Exec=$ziel/bin/vun-memory --vollbild --gruppenwahl %f" "$desktop"
pruefe "the voice's module where the installed program looks for it" \
    test -s "$(find "$ziel" -path '*/vun-memory/vun-memory-sprecher.so' | head -n1)"
pruefe "entry opens plain-text word lists" grep -qx "MimeType=text/plain;" "$desktop"
pruefe "manual page" test -s "$share/man/man6/vun-memory.6"
pruefe "metainfo names the licence" grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo"
pruefe "no template field left" bash -c "! grep -q '@[A-Z_]*@' '$desktop' '$metainfo'"
pruefe "metainfo names the entry" grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
pruefe "both screenshots as web addresses" \
    test "$(grep -c '<image>https://[^<]*[^/]/\(hauptfenster\|infofenster\)\.png</image>' "$metainfo")" -eq 2
pruefe "desktop-file-validate" desktop-file-validate "$desktop"
pruefe "appstreamcli validate" appstreamcli validate --no-net "$metainfo"

exit "$fehler"
