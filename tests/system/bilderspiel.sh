#!/usr/bin/env bash
# A whole game of the shipped picture list BILDER.TXT, played by mouse in the real window as a
# teacher opens it: the real program under openbox on a virtual X server, started with the list
# in a copy of the shipped folder (the list and its pictures below it). A word and its picture do
# not look alike, so the pairs are learnt as a child with a perfect memory learns them: a card is
# turned, then another, and the pair is found when both show the found colour (a card's look
# may change as the board is laid out anew, its colour does not). Every step waits for the state
# it needs and fails at once, named, when it does not come. The last pair brings the win message; answered, a new game is dealt. Exit status 77
# (skipped) where Xvfb, openbox or the X tools are missing; with VUN_SYSTEMTEST_PFLICHT=1 that
# fails instead.
#
#   bilderspiel.sh PROGRAMM LAGEPLAN KARTENBLICK WORTLISTEN [PAARE [WIDTHxHEIGHT]]
#
# PAARE (default 9) pairs are dealt (--paare); with a screen size the game plays full screen on
# a screen of that size (--vollbild). A picture list lies on big cards.
set -euo pipefail
paare=${5:-9}
bildschirm=${6:-}
karten=$((2 * paare))
schalter=(--paare "$paare")
plan=(--quadrate --paare "$paare")
if [ -n "$bildschirm" ]; then
    schalter+=(--vollbild)
    plan+=(--vollbild "$bildschirm")
fi
. "$(dirname "$0")/../support/xsitzung.sh"
. "$(dirname "$0")/../support/kartenpaare.sh"
spiel_beginnen "$@"
"$lageplan" "${plan[@]}" >"$orte" || scheitern "the layout helper"
orte_lesen

x_starten $bildschirm || exit 1
mkdir "$arbeit/spiel"
cp -R "$wortlisten"/. "$arbeit/spiel/"
[ -f "$arbeit/spiel/BILDER.TXT" ] || scheitern "no BILDER.TXT among the shipped lists"
(cd "$arbeit/spiel" && exec env -u QT_QPA_PLATFORM "$programm" "${schalter[@]}" BILDER.TXT) \
    >"$arbeit/log" 2>&1 &
spiel=$!
# A faulty list is reported in a box before the main window shows.
ohne_meldung() {
    sichtbar '^VUN-Memory$' >/dev/null && return 2
    sichtbar '^VUN-Memospiel' >/dev/null
}
bis "the main window with BILDER.TXT, no message box" 15 ohne_meldung ||
    scheitern "BILDER.TXT opened: a message box (a faulty list), or no main window"
sichtbar '^VUN-Memory$' >/dev/null && scheitern "BILDER.TXT reported as faulty"
fenster=$(sichtbar '^VUN-Memospiel')
# Full screen is the window manager's to give; the places are those of the whole screen.
voll_da() { [ "$(innen "$fenster")" = "0 0 ${bildschirm/x/ }" ]; }
if [ -n "$bildschirm" ]; then
    bis "the window full screen on $bildschirm" 15 voll_da ||
        scheitern "full screen: the window is at $(innen "$fenster")"
fi

# One grab of the main window at a time, so that every card of a state is read from one picture.
greifen() { blick >"$arbeit/blick"; }
sieht() { awk -v k="karte$1" '$1 == k {print $2}' "$arbeit/blick"; }
# CARD: the card shows the found colour.
gefunden_da() { [ "$(awk -v k="karte$1" '$1 == k {print $3}' "$arbeit/blick")" = gefunden ]; }
zu_alle() { greifen && [ "$(awk '{print $2}' "$arbeit/blick" | sort -u | wc -l)" = 1 ]; }

bis "all cards covered at the start" 15 zu_alle || scheitern "the first deal"
verdeckt=$(sieht 1)
[ "$(wc -l <"$arbeit/blick")" = "$karten" ] || scheitern "the card viewer read $(wc -l <"$arbeit/blick") cards"

declare -A gefunden=() offen_sieht=() gefunden_sieht=()
versuche=0
offen_paar=""   # the two cards of an unequal pair left open by the last try

# CARD: CARD open as the first card of a turn, the pair left open before covered again.
erste_offen() {
    local k
    greifen
    [ "$(sieht "$1")" != "$verdeckt" ] || return 1
    for k in $offen_paar; do
        [ "$k" = "$1" ] || [ "$(sieht "$k")" = "$verdeckt" ] || return 1
    done
}
# CARD: CARD open, in two grabs one after the other showing the same board (no paint under way).
zweite_offen() {
    local vorher
    greifen
    [ "$(sieht "$1")" != "$verdeckt" ] || return 1
    vorher=$(cat "$arbeit/blick")
    greifen
    [ "$(cat "$arbeit/blick")" = "$vorher" ]
}

# The pairs but the last, each found by trying its first card with the others in turn.
gesucht=$((paare - 1))
paare=0
for a in $(seq "$karten"); do
    [ -n "${gefunden[$a]:-}" ] && continue
    [ "$paare" = "$gesucht" ] && break
    for b in $(seq $((a + 1)) "$karten"); do
        [ -n "${gefunden[$b]:-}" ] && continue
        versuche=$((versuche + 1))
        karte "$a"
        bis "card $a turned first (try $versuche, with card $b)" 15 erste_offen "$a" ||
            scheitern "card $a"
        gefunden_da "$a" && scheitern "card $a found before its partner was turned"
        offen_sieht[$a]=$(sieht "$a")
        karte "$b"
        bis "card $b turned after card $a (try $versuche)" 15 zweite_offen "$b" ||
            scheitern "card $b"
        if gefunden_da "$a"; then
            gefunden_da "$b" || scheitern "card $a found, its partner $b not"
            gefunden[$a]=$b gefunden[$b]=$a
            gefunden_sieht[$a]=$(sieht "$a") gefunden_sieht[$b]=$(sieht "$b")
            paare=$((paare + 1))
            offen_paar=""
            echo "pair $paare: cards $a and $b (try $versuche)"
            break
        fi
        offen_sieht[$b]=$(sieht "$b")
        offen_paar="$a $b"
    done
    [ -n "${gefunden[$a]:-}" ] || scheitern "card $a became found with none of the other cards"
done
[ "$paare" = "$gesucht" ] || scheitern "$paare pairs found, not $gesucht, before the last"

# A word and its picture are two looks, found as open: the list played is BILDER.TXT, not nine
# equal words.
for a in "${!gefunden[@]}"; do
    [ "${gefunden_sieht[$a]}" != "${gefunden_sieht[${gefunden[$a]}]}" ] ||
        scheitern "cards $a and ${gefunden[$a]}, a found pair, look alike"
done
[ "$(printf '%s\n' "${offen_sieht[@]}" | sort -u | wc -l)" = "${#offen_sieht[@]}" ] ||
    scheitern "two open cards look alike"
# The pairs found stay found while the game goes on.
greifen
for a in "${!gefunden[@]}"; do
    [ "$(sieht "$a")" != "$verdeckt" ] || scheitern "card $a, found, covered again"
done

# The last pair, the two cards still covered: it wins the game.
letzte=()
for k in $(seq "$karten"); do [ -n "${gefunden[$k]:-}" ] || letzte+=("$k"); done
[ "${#letzte[@]}" = 2 ] || scheitern "${#letzte[@]} cards left for the last pair"
karte "${letzte[0]}"
bis "card ${letzte[0]} of the last pair turned" 15 erste_offen "${letzte[0]}" ||
    scheitern "the last pair's first card"
karte "${letzte[1]}"
antworten "the win message after the last pair" Memory Return || scheitern "the win message"
echo "ok: $((gesucht + 1)) pairs found in $((versuche + 1)) tries, the win message answered"

bis "a new game dealt, all cards covered" 15 zu_alle || scheitern "the new deal"
kill -0 "$spiel" 2>/dev/null || scheitern "the program ended"
echo "ok: a new game of BILDER.TXT dealt"
