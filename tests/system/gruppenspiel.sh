#!/usr/bin/env bash
# Three groups at the whiteboard: the real program started full screen with --gruppen 3 under
# openbox on a virtual X server of 1920x1080, a whole game played by mouse. The strip below the
# board is read through the card viewer, which draws it as the program does and names the turn
# and the pairs that match the screen: Rot begins, each miss hands the turn on at once, each pair
# counts for the group that found it and keeps its turn; after the win box the next game begins
# with the second group. Exit status 77 (skipped) where
# Xvfb, openbox or the X tools are missing; with VUN_SYSTEMTEST_PFLICHT=1 that fails instead.
#
#   gruppenspiel.sh PROGRAMM LAGEPLAN KARTENBLICK WORTLISTEN TEXTBLICK
set -euo pipefail
textblick=$(realpath "$5")
. "$(dirname "$0")/../support/xsitzung.sh"
. "$(dirname "$0")/../support/kartenpaare.sh"
gruppen=3
namen=(Rot Blau Gelb)
spiel_beginnen "${@:1:4}"
"$lageplan" --vollbild 1920x1080 --gruppen $gruppen >"$orte" || scheitern "the layout helper"
orte_lesen
[ -n "${ort[streifenoben]:-}" ] || scheitern "the layout helper gave no strip"

x_starten 1920x1080 || exit 1
mkdir "$arbeit/spiel"
cp "$wortlisten"/*.TXT "$arbeit/spiel/"
(cd "$arbeit/spiel" && exec env -u QT_QPA_PLATFORM "$programm" --vollbild --gruppen $gruppen) \
    >"$arbeit/log" 2>&1 &
spiel=$!
fenster=$(fenster "the main window" '^VUN-Memospiel') || exit 1
voll_da() { [ "$(innen "$fenster")" = "0 0 1920 1080" ]; }
bis "the window full screen" 15 voll_da || scheitern "full screen: the window is at $(innen "$fenster")"

# What the game should show: whose turn it is (1 to 3) and each group's pairs.
dran=1
paare=(0 0 0)
erwartet() { echo "streifen $dran $(IFS=,; echo "${paare[*]}")"; }
gelesen() { "$kartenblick" "$fenster" $gruppen <"$orte" | grep '^streifen'; }
streifen_stimmt() { [ "$(gelesen)" = "$(erwartet)" ]; }
# STEP: waits for the strip to show the expected state; names what it shows if it does not.
streifen_pruefen() {
    bis "$1: the strip reading \"$(erwartet)\"" 10 streifen_stimmt ||
        scheitern "$1: the strip reads \"$(gelesen)\", not \"$(erwartet)\""
}
# A turn of two cards as the rules count it: a pair keeps the turn, a miss hands it on.
zug() {
    karte "$1"
    karte "$2"
    if [ "${partner[$1]}" = "$2" ]; then
        paare[dran - 1]=$((paare[dran - 1] + 1))
    else
        dran=$((dran % gruppen + 1))
    fi
}

streifen_pruefen "the start"
lernen
# The turns lernen took, counted as the game counts them.
for a in 1 3 5 7 9 11 13 15 17; do
    if [ -n "${gefunden[$a]:-}" ]; then
        paare[dran - 1]=$((paare[dran - 1] + 1))
    else
        dran=$((dran % gruppen + 1))
    fi
done
streifen_pruefen "after the cards were learnt"

# Two cards left covered that are no pair: a miss.
offen_paare=()
for a in $(seq 18); do
    if [ -z "${gefunden[$a]:-}" ] && [ "$a" -lt "${partner[$a]}" ]; then offen_paare+=("$a"); fi
done
[ "${#offen_paare[@]}" -ge 2 ] || scheitern "fewer than two pairs left to play with"
erste=${offen_paare[0]} zweite=${offen_paare[1]}
zug "$erste" "$zweite"
streifen_pruefen "after a miss"
echo "ok: the turn passed after a miss: $(gelesen)"
zug "$erste" "${partner[$erste]}"
streifen_pruefen "after a pair"
echo "ok: a pair counted and kept the turn: $(gelesen)"
for a in "${offen_paare[@]:1}"; do
    [ "$a" = "${offen_paare[-1]}" ] && break
    zug "$a" "${partner[$a]}"
done
streifen_pruefen "before the last pair"

# The win box's text as the rules give it for these pairs: the winner or the draw, then every
# group, most pairs first, groups of equal pairs in their order.
gewinntext() {
    local g p meiste=0 beste=() einheit=Paaren
    for g in 0 1 2; do if ((paare[g] > meiste)); then meiste=${paare[g]}; fi; done
    for g in 0 1 2; do if ((paare[g] == meiste)); then beste+=("${namen[g]}"); fi; done
    if ((meiste == 1)); then einheit=Paar; fi
    case ${#beste[@]} in
        1) echo "${beste[0]} gewinnt mit $meiste $einheit!" ;;
        2) echo "Unentschieden: ${beste[0]} und ${beste[1]} mit je $meiste $einheit!" ;;
        *) echo "Unentschieden: ${beste[0]}, ${beste[1]} und ${beste[2]} mit je $meiste $einheit!" ;;
    esac
    for p in $(printf '%s\n' "${paare[@]}" | sort -rnu); do
        for g in 0 1 2; do
            if ((paare[g] == p)); then echo "${namen[g]}: $p Paar$( ((p == 1)) || echo e)"; fi
        done
    done
}

# The last pair: the win box, its whole text selected by mouse as a teacher copies it, then a
# new deal.
letzte=${offen_paare[-1]}
zug "$letzte" "${partner[$letzte]}"
box=$(fenster "the win box" '^Memory$') || exit 1
bis "the win box drawn" 10 "$textblick" anfang "$box" >/dev/null ||
    scheitern "the win box shows no text"
read -r tx ty < <("$textblick" anfang "$box")
read -r _ _ bw bh < <(innen "$box")
xdotool mousemove --window "$box" "$tx" "$ty" mousedown 1 \
    mousemove --window "$box" $((tx + 20)) $((ty + 10)) \
    mousemove --window "$box" $((bw - 3)) $((bh - 3)) mouseup 1
soll=$(gewinntext)
box_sagt() { [ "$("$textblick" auswahl | tr '\r' '\n')" = "$soll" ]; }
bis "the win box's text selected" 10 box_sagt ||
    scheitern "the win box says \"$("$textblick" auswahl)\", not \"$soll\""
echo "ok: the win box says: $(echo "$soll" | paste -sd '|')"
xdotool key Escape
bis "the win box closing" 15 zu "$box" || exit 1
echo "ok: the win box came after the last pair; the groups held ${paare[*]}"
# The next game: group 2 begins, nobody holds a pair.
dran=2
paare=(0 0 0)
streifen_pruefen "the next game"
echo "ok: the next game begins with ${namen[1]}"
