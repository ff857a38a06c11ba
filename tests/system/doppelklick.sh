#!/usr/bin/env bash
# A double-click that wins the game, as a child makes it: the real program under openbox on a
# virtual X server, the last pair's second card double-clicked at the very point where the
# message "Prima, du hast es geschafft!" brings up its OK button. The message must stay until a
# key answers it. Exit status 77 (skipped) where Xvfb, openbox or the X tools are missing; with
# VUN_SYSTEMTEST_PFLICHT=1 that fails instead.
#
#   doppelklick.sh PROGRAMM LAGEPLAN KARTENBLICK WORTLISTEN
set -euo pipefail
. "$(dirname "$0")/../support/xsitzung.sh"
. "$(dirname "$0")/../support/kartenpaare.sh"
spiel_beginnen "$@"
"$lageplan" >"$orte" || scheitern "the layout helper"
orte_lesen

x_starten || exit 1
mkdir "$arbeit/spiel"
cp "$wortlisten"/*.TXT "$arbeit/spiel/"
(cd "$arbeit/spiel" && exec env -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 "$programm") \
    >"$arbeit/log" 2>&1 &
spiel=$!
fenster=$(fenster "the main window" '^VUN-Memospiel') || exit 1

# Qt puts every message box over the centre of the main window: the help box shows where.
# shellcheck disable=SC2086
klicken "$fenster" ${ort[bild3]}
box=$(fenster "the help box" '^VUN-Memory$') || exit 1
read -r bx by bw bh < <(innen "$box")
read -r fx fy _ _ < <(innen "$fenster")
read -r dx dy <<<"${ort[gewinnok]}"
ox=$((bx + bw / 2 + dx - fx))
oy=$((by + bh / 2 + dy - fy))
antworten "the help box" VUN-Memory Return || exit 1

# The card under that point ends the game; its partner is opened just before it. A card is
# 33 pixels high at 100 %; where the box lies depends on the fonts, so the point may lie near
# a card's edge.
ziel=0
for k in $(seq 18); do
    read -r kx ky <<<"${ort[karte$k]}"
    if [ $((ox - kx)) -ge -95 ] && [ $((ox - kx)) -le 95 ] &&
        [ $((oy - ky)) -ge -16 ] && [ $((oy - ky)) -le 16 ]; then ziel=$k; fi
done
[ "$ziel" != 0 ] || scheitern "no card lies under the OK button's place $ox $oy"
echo "the win message's OK button comes up over card $ziel, at $ox $oy"

# The last pair must still be covered; where it was found by chance, a new game is dealt.
for versuch in 1 2 3 4; do
    lernen
    [ -z "${gefunden[$ziel]:-}" ] && break
    [ "$versuch" = 4 ] && scheitern "card $ziel was found by chance four times"
    # shellcheck disable=SC2086
    klicken "$fenster" ${ort[bild4]}
    antworten "a new game" VUN-Memory Tab space || exit 1
done
letzter=${partner[$ziel]}

for a in $(seq 18); do
    b=${partner[$a]}
    if [ "$a" -lt "$b" ] && [ -z "${gefunden[$a]:-}" ] && [ "$a" != "$ziel" ] &&
        [ "$b" != "$ziel" ]; then
        karte "$a"
        karte "$b"
    fi
done
karte "$letzter"
xdotool mousemove --window "$fenster" "$ox" "$oy" click --repeat 2 --delay 80 1

box=$(fenster "the win message" '^Memory$') || exit 1
bis "the keyboard focus in the win message" 15 hat_fokus "$box" || exit 1
# By now the second click has long reached the program; a box it answered would be going.
for _ in $(seq 20); do
    zu "$box" && scheitern "the second click of the double-click answered the win message"
    sleep 0.05
done
antworten "the win message" Memory Return || exit 1
echo "ok: the win message stayed after the double-click and went with its key"
