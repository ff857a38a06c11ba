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
pids=()
aufraeumen() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

# Waits up to twenty seconds for a command to succeed: a loaded machine starts slowly.
warten() {
    for _ in $(seq 200); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "gave up waiting for: $*"
    return 1
}

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

# Fails unless the value is within one pixel of the wanted one (halves rounded either way).
nahe() {
    local was=$1 ist=$2 soll2=$3 # soll2: twice the wanted value
    if [ $((2 * ist - soll2)) -gt 2 ] || [ $((soll2 - 2 * ist)) -gt 2 ]; then
        echo "FAIL: $was at $ist, wanted $((soll2 / 2))"
        return 1
    fi
}

pruefen() {
    local breite=$1 hoehe=$2 fehler=0
    echo "screen ${breite}x${hoehe}"
    Xvfb -displayfd 3 -screen 0 "${breite}x${hoehe}x24" -nolisten tcp 3>"$arbeit/display" \
        2>/dev/null &
    pids+=($!)
    warten test -s "$arbeit/display"
    export DISPLAY=":$(head -n1 "$arbeit/display")"
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    warten sh -c "xprop -root _NET_SUPPORTED | grep -q _NET_REQUEST_FRAME_EXTENTS"

    rm -rf "$arbeit/spiel" && mkdir "$arbeit/spiel" && cp "$wortlisten"/* "$arbeit/spiel/"
    # Under the sanitizers: the X keyboard library fails the strict string check on its own
    # strings, and Qt's X caches left at exit are none of this program's leaks.
    (cd "$arbeit/spiel" && exec env -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 "$programm") >"$arbeit/log" 2>&1 &
    local spiel=$!
    pids+=($spiel)
    warten xdotool search --onlyvisible --name "^VUN-Memospiel" || { cat "$arbeit/log"; return 1; }
    local haupt
    haupt=$(xdotool search --onlyvisible --name '^VUN-Memospiel' | head -n1)
    warten sh -c "xprop -id $haupt _NET_FRAME_EXTENTS | grep -q ="
    sleep 0.5 # a window that moves after it was shown has done so by now
    read -r x y w h < <(rahmen "$haupt")
    echo "main window frame: $x $y ${w}x$h"
    nahe "main window left" "$x" $((breite - w)) || fehler=1
    nahe "main window top" "$y" $((hoehe - h)) || fehler=1

    # The Info button, the sixth picture button of the tool column.
    xdotool mousemove --window "$haupt" 24 344 click 1
    warten xdotool search --onlyvisible --name '^Programm-Info$'
    local info
    info=$(xdotool search --onlyvisible --name '^Programm-Info$' | head -n1)
    sleep 0.5
    read -r x y w h < <(rahmen "$info")
    echo "information window frame: $x $y ${w}x$h"
    nahe "information window left" "$x" $((breite - w)) || fehler=1
    # A quarter of the free height above it: twice the wanted top is (height - h) / 2.
    nahe "information window top" "$y" $(((hoehe - h) / 2)) || fehler=1

    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    pids=()
    rm -f "$arbeit/display"
    return $fehler
}

ergebnis=0
pruefen 1024 768 || ergebnis=1
pruefen 1280 1024 || ergebnis=1
exit $ergebnis
