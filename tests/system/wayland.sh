#!/usr/bin/env bash
# The game on a Wayland desktop, a headless weston: with XWayland's display at hand it goes
# through X (there its window is centred as it asks), with none it comes up natively on
# Wayland; and the window tests given play and quit whole games, zoom and go full screen on Qt's
# Wayland platform.
# Exit status 77 (skipped) where weston, Xvfb or openbox are missing; with
# VUN_SYSTEMTEST_PFLICHT=1 that fails instead.
#
#   wayland.sh PROGRAMM [WINDOW-TEST[:FUNCTION,...]...]
set -euo pipefail
programm=$(realpath "$1")
shift
. "$(dirname "$0")/../support/xsitzung.sh"
werkzeuge_noetig weston Xvfb openbox xdotool xprop
arbeit=$(mktemp -d)
chmod 700 "$arbeit"
wpid=""
spiel=""
aufraeumen() {
    [ -n "$spiel" ] && kill "$spiel" 2>/dev/null || true
    [ -n "$wpid" ] && kill "$wpid" 2>/dev/null || true
    x_beenden
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

export XDG_RUNTIME_DIR=$arbeit
mkdir "$arbeit/spiel"
printf '%s\r\n' Hund Katze Maus Igel Esel Ziege Fuchs Hase Reh >"$arbeit/spiel/VUNMEMO.TXT"
# A classroom's screen: the zoom tests count on 1920 x 1080.
weston --backend=headless-backend.so --use-pixman --socket=wayland-vun --idle-time=0 \
    --width=1920 --height=1080 >"$arbeit/weston.log" 2>&1 &
wpid=$!
bis "weston's start" 20 test -S "$arbeit/wayland-vun" || { cat "$arbeit/weston.log"; exit 1; }
export WAYLAND_DISPLAY=wayland-vun
x_starten || exit 1
fehler=0

# Under the sanitizers: the system's X keyboard, Wayland and D-Bus libraries fail the strict
# string check and keep allocations to the end, so leaks are not looked for here; the window
# tests look for this program's own on the offscreen platform.
export ASAN_OPTIONS=detect_leaks=0

# DISPLAY: the game's start with that X display beside Wayland, its protocol log in "$arbeit/log".
starten() {
    (cd "$arbeit/spiel" && exec env -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland DISPLAY="$1" \
        WAYLAND_DEBUG=1 "$programm") \
        >"$arbeit/log" 2>&1 &
    spiel=$!
}
beenden() {
    kill "$spiel" 2>/dev/null || true
    wait "$spiel" 2>/dev/null || true
    spiel=""
}
auf_wayland() { grep -q 'xdg_toplevel[@#][0-9]*\.set_title("VUN-Memospiel' "$arbeit/log"; }

starten "$DISPLAY"
if fenster "XWayland: the main window on X" '^VUN-Memospiel' >/dev/null && ! auf_wayland; then
    echo "ok: through X where XWayland is at hand"
else
    fehler=1
fi
beenden

# A display that does not answer: X fails, and the game comes up natively.
starten :99
if bis "Wayland alone: the main window on Wayland" 20 auf_wayland; then
    echo "ok: natively on Wayland where X fails"
else
    tail -n 20 "$arbeit/log"
    fehler=1
fi
beenden

# Each as TEST or TEST:FUNCTION,FUNCTION: the functions that play and quit, not those that count
# paint events, which a compositor asks for as it likes.
for auftrag in "$@"; do
    test=${auftrag%%:*}
    funktionen=()
    if [[ $auftrag == *:* ]]; then IFS=, read -ra funktionen <<<"${auftrag#*:}"; fi
    if QT_QPA_PLATFORM=wayland timeout 120 "$test" "${funktionen[@]}" >"$arbeit/test.log" 2>&1; then
        echo "ok: $(basename "$test") ${funktionen[*]} on Wayland"
    else
        tail -n 30 "$arbeit/test.log"
        fehler=1
    fi
done
exit "$fehler"
