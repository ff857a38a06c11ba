#!/usr/bin/env bash
# A teacher's list of 13 word-picture pairs with one picture misspelt ("Katze = katz.jpg"),
# opened in the real program as she opens it: one box says that the line is left out, and once
# it is answered her words are dealt, not the nine built-in ones. The cards are turned two by two
# and their looks read through the card viewer: a word never looks like its picture, so no two
# of her 18 cards look alike, where each built-in word would lie twice. Every step waits for the
# state it needs and fails at once, named, when it does not come. Exit status 77 (skipped) where
# Xvfb, openbox or the X tools are missing; with VUN_SYSTEMTEST_PFLICHT=1 that fails instead.
#
#   weggelassen.sh PROGRAMM LAGEPLAN KARTENBLICK WORTLISTEN
set -euo pipefail
. "$(dirname "$0")/../support/xsitzung.sh"
. "$(dirname "$0")/../support/kartenpaare.sh"
spiel_beginnen "$@"
# A list of pictures lies on big cards.
"$lageplan" --quadrate >"$orte" || scheitern "the layout helper"
orte_lesen
x_starten || exit 1

# Twelve pairs of the shipped pictures and her cat, whose file is called katze.svg.
mkdir -p "$arbeit/spiel/bilder"
cp "$wortlisten"/bilder/*.svg "$arbeit/spiel/bilder/"
{ head -n 12 "$wortlisten/BILDER.TXT" && printf 'Katze = katz.jpg\r\n'; } >"$arbeit/spiel/TIERE.TXT"
(cd "$arbeit/spiel" && exec env -u QT_QPA_PLATFORM "$programm" TIERE.TXT) >"$arbeit/log" 2>&1 &
spiel=$!

antworten "the box of the line left out" VUN-Memory Return || scheitern "no box at the start"
ohne_box() {
    sichtbar '^VUN-Memory$' >/dev/null && return 2
    sichtbar '^VUN-Memospiel' >/dev/null
}
bis "the main window, no second box" 15 ohne_box || scheitern "a second box, or no main window"
fenster=$(sichtbar '^VUN-Memospiel')
echo "ok: one box, then the main window"

bis "all cards covered at the start" 15 alle_verdeckt || scheitern "the first deal"
verdeckt=$(summe 1)
# Two grabs one after the other show the same board: no picture is still on its way.
ruhig() {
    blick >"$arbeit/blick"
    [ "$(blick)" = "$(cat "$arbeit/blick")" ]
}
declare -A sieht=()
for a in 1 3 5 7 9 11 13 15 17; do
    b=$((a + 1))
    karte "$a"
    karte "$b"
    bis "cards $a and $b turned" 15 offen "$a" "$b" || scheitern "cards $a and $b"
    bis "cards $a and $b drawn" 15 ruhig || scheitern "cards $a and $b drawn"
    sieht[$a]=$(awk -v k="karte$a" '$1 == k {print $2}' "$arbeit/blick")
    sieht[$b]=$(awk -v k="karte$b" '$1 == k {print $2}' "$arbeit/blick")
done
verschieden=$(printf '%s\n' "${sieht[@]}" | sort -u | wc -l)
[ "$verschieden" = 18 ] ||
    scheitern "$verschieden different looks among 18 cards: the built-in words, not her list"
kill -0 "$spiel" 2>/dev/null || scheitern "the program ended"
echo "ok: her words and pictures dealt, 18 cards of 18 looks"
