#!/usr/bin/env bash
# Both windows at their places under a real window manager: the program runs on its own Xvfb
# with openbox, and the frames are measured as the X server has them.
# Usage: fensterplatz.sh PROGRAM WORD-LIST-FOLDER
set -euo pipefail
programm=$1
wortlisten=$2
for werkzeug in Xvfb openbox xwininfo xprop xdotool; do
    command -v "$werkzeug" >/dev/null || { echo "SKIP: $werkzeug missing"; exit 77; }
done
arbeit=$(mktemp -d)
. "$(dirname "$0")/../support/xsitzung.sh"
spiel=""
aufraeumen() {
    [ -n "$spiel" ] && kill "$spiel" 2>/dev/null || true
    x_beenden
    wait 2>/dev/null || true
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

# The outermost window the window manager put around a client: the child of the root.
rahmenfenster() {
    local fenster=$1 wurzel eltern
    wurzel=$(xwininfo -id "$fenster" -tree | awk '/Root window id:/ {print $4}')
    while eltern=$(xwininfo -id "$fenster" -tree | awk '/Parent window id:/ {print $4}') &&
        [ "$eltern" != "$wurzel" ]; do
        fenster=$eltern
    done
    echo "$fenster"
}

# x y width height of a window's frame on the screen.
rahmen() {
    xwininfo -id "$(rahmenfenster "$1")" | awk '
        /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# True when the value is within one pixel of the wanted one (halves rounded either way).
nahe() {
    local ist=$1 soll2=$2 # soll2: twice the wanted value
    [ $((2 * ist - soll2)) -le 2 ] && [ $((soll2 - 2 * ist)) -le 2 ]
}

# WINDOW WANTED-LEFT*2 WANTED-TOP*2: the frame stands there. A window may move once after it
# was shown; the check waits for that, and reports where the frame stood when it gave up.
steht() {
    local x y w h
    read -r x y w h < <(rahmen "$1")
    nahe "$x" "$2" && nahe "$y" "$3"
}

pruefen() {
    local breite=$1 hoehe=$2 x y w h haupt info
    echo "screen ${breite}x${hoehe}"
    x_starten "${breite}x${hoehe}" || return 1
    rm -rf "$arbeit/spiel" && mkdir "$arbeit/spiel" && cp -R "$wortlisten"/. "$arbeit/spiel/"
    # Under the sanitizers: the X keyboard library fails the strict string check on its own
    # strings, and Qt's X caches left at exit are none of this program's leaks.
    (cd "$arbeit/spiel" && exec env -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 "$programm") >"$arbeit/log" 2>&1 &
    spiel=$!
    haupt=$(fenster "the main window" '^VUN-Memospiel') || { cat "$arbeit/log"; return 1; }
    bis "the main window's frame" 15 sh -c "xprop -id $haupt _NET_FRAME_EXTENTS | grep -q =" ||
        return 1
    read -r x y w h < <(rahmen "$haupt")
    # Centred: twice the wanted left is the screen's width less the frame's.
    bis "the main window centred" 10 steht "$haupt" $((breite - w)) $((hoehe - h)) ||
        { echo "main window frame: $(rahmen "$haupt")"; return 1; }
    echo "main window frame: $(rahmen "$haupt")"

    # The Info button, the sixth picture button of the tool column.
    klicken "$haupt" 24 344
    info=$(fenster "the information window" '^Programm-Info$') || return 1
    bis "the information window's frame" 15 sh -c "xprop -id $info _NET_FRAME_EXTENTS | grep -q =" ||
        return 1
    read -r x y w h < <(rahmen "$info")
    # At the right edge, a quarter of the free height above it.
    bis "the information window at its place" 10 steht "$info" $((breite - w)) $(((hoehe - h) / 2)) ||
        { echo "information window frame: $(rahmen "$info")"; return 1; }
    echo "information window frame: $(rahmen "$info")"

    kill "$spiel" 2>/dev/null || true
    wait "$spiel" 2>/dev/null || true
    spiel=""
    x_beenden
}

ergebnis=0
pruefen 1024 768 || ergebnis=1
pruefen 1280 1024 || ergebnis=1
exit $ergebnis
