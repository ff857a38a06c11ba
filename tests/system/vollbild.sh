#!/usr/bin/env bash
# Full screen and zoom in the real program under openbox on a virtual X server of 1920x1080:
# started full screen, a box answered with Escape leaves full screen alone, a whole game is
# played by mouse at the places of the full-screen layout, F11 and Escape bring the window back
# exactly where it stood, and Ctrl+Plus at the largest step that fits changes nothing. Exit
# status 77 (skipped) where Xvfb, openbox or the X tools are missing; with
# VUN_SYSTEMTEST_PFLICHT=1 that fails instead.
#
#   vollbild.sh PROGRAMM LAGEPLAN KARTENBLICK WORTLISTEN
set -euo pipefail
. "$(dirname "$0")/../support/xsitzung.sh"
. "$(dirname "$0")/../support/kartenpaare.sh"
breite=1920 hoehe=1080
bildschirm=${breite}x$hoehe
spiel_beginnen "$@"
"$lageplan" --vollbild "$bildschirm" >"$orte" || scheitern "the layout helper at full screen"
orte_lesen

x_starten "$bildschirm" || exit 1
mkdir "$arbeit/spiel"
cp "$wortlisten"/*.TXT "$arbeit/spiel/"
(cd "$arbeit/spiel" && exec env -u QT_QPA_PLATFORM "$programm" --vollbild) >"$arbeit/log" 2>&1 &
spiel=$!
fenster=$(fenster "the main window" '^VUN-Memospiel') || exit 1

lage() { innen "$fenster"; }
# X Y WIDTH HEIGHT, or WIDTH HEIGHT alone: the window's inside is so.
steht() {
    if [ $# = 2 ]; then [ "$(lage | cut -d' ' -f3-)" = "$*" ]; else [ "$(lage)" = "$*" ]; fi
}
# STEP X Y WIDTH HEIGHT (or WIDTH HEIGHT): waits for the window so, names where it is if not.
bis_lage() {
    local schritt=$1
    shift
    bis "$schritt: the window at $*" 10 steht "$@" || scheitern "$schritt: the window is at $(lage)"
}
voll="$breite $hoehe"
taste() { xdotool key --window "$fenster" "$@"; }

# shellcheck disable=SC2086
bis_lage "the start in full screen" 0 0 $voll

# A box takes Escape for itself: it goes, and the window stays full screen; the game after it
# is played at the places of full screen, where a window that left it late would miss.
# shellcheck disable=SC2086
klicken "$fenster" ${ort[bild3]}
antworten "the help box" VUN-Memory Escape || exit 1
# shellcheck disable=SC2086
steht 0 0 $voll || scheitern "Escape in the help box left full screen: the window is at $(lage)"

lernen
for a in $(seq 18); do
    b=${partner[$a]}
    if [ "$a" -lt "$b" ] && [ -z "${gefunden[$a]:-}" ]; then
        karte "$a"
        karte "$b"
    fi
done
antworten "the win message" Memory Return || exit 1
echo "ok: a whole game won by mouse in full screen"

# FULL-SCREEN-KEYS... BACK-KEY: from full screen and back; the window must stand as before and
# keep the keyboard.
# WIDTH HEIGHT: the window's inside of that size centred on the screen, its frame included.
mittig() {
    local l r o u
    read -r l r o u < <(xprop -id "$fenster" _NET_FRAME_EXTENTS | tr -dc '0-9 ,\n' | tr , ' ')
    echo $(((breite - $1 - l - r) / 2 + l)) $(((hoehe - $2 - o - u) / 2 + o)) "$1" "$2"
}
hin_und_zurueck() {
    local vorher
    vorher=$(lage)
    taste "${@:1:$#-1}"
    # shellcheck disable=SC2086
    bis_lage "$*: into full screen" 0 0 $voll
    taste "${!#}"
    # shellcheck disable=SC2086
    bis_lage "$*: back out of full screen" $vorher
    bis "$*: the keyboard focus back in the window" 5 hat_fokus "$fenster" || exit 1
}

taste F11
bis_lage "F11 out of the full screen of the start" 507 386
# shellcheck disable=SC2046
bis_lage "F11 out of the full screen of the start, centred" $(mittig 507 386)
# Where the player moved it, which a window merely centred again would miss.
xdotool windowmove "$fenster" 100 120
bis_lage "the window moved" 100 120 507 386
hin_und_zurueck F11 F11
hin_und_zurueck F11 Escape
echo "ok: F11 and Escape bring the window back exactly: $(lage)"

# Step by step up to 250 %, the largest whose framed window fits the screen's free area.
for masse in "634 483" "761 579" "1014 772" "1268 965"; do
    taste ctrl+plus
    # shellcheck disable=SC2046,SC2086
    bis_lage "Ctrl+Plus" $(mittig $masse)
done
# Keys come in order: once F11 has taken the window full screen, the Ctrl+Plus before it is
# handled, and F11 back must find the window as it stood before that Ctrl+Plus.
hin_und_zurueck ctrl+plus F11 F11
echo "ok: Ctrl+Plus at the largest step leaves the window at $(lage)"
