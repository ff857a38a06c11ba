# shellcheck shell=bash
# Shared by the tests that drive the real program on a virtual X server: the server with a
# window manager, and waits for the state each next step needs: a window shown, a box holding
# the keyboard focus, a box gone. A busy machine only makes them wait longer; a state that does
# not come within its bound fails the step at once, and the message names the step.

x_pids=()

# TOOL...: a test that cannot run here for want of a tool says so and is skipped (exit 77), or
# fails where it must run (VUN_SYSTEMTEST_PFLICHT=1).
werkzeuge_noetig() {
    local werkzeug
    for werkzeug in "$@"; do
        command -v "$werkzeug" >/dev/null && continue
        echo "Cannot run: $werkzeug is not installed."
        [ "${VUN_SYSTEMTEST_PFLICHT:-0}" = 1 ] && exit 1
        exit 77
    done
}

# STEP SECONDS COMMAND...: true once the command succeeds, tried every 50 ms. A command that
# exits with 2 says its state will not come: the step fails at once.
bis() {
    local schritt=$1 frist=$2 status
    shift 2
    local ende=$((SECONDS + frist))
    while true; do
        status=0
        "$@" >/dev/null 2>&1 || status=$?
        [ "$status" = 0 ] && return 0
        if [ "$status" = 2 ] || [ "$SECONDS" -ge "$ende" ]; then
            echo "FAIL: $schritt: not within $frist s" >&2
            return 1
        fi
        sleep 0.05
    done
}

# [WIDTHxHEIGHT]: Xvfb on a free display, openbox on it, DISPLAY exported. The window manager
# gives each new box the keyboard focus, as a desktop does. A display number free here may be
# taken by an X server in a chroot on the same machine, which the window manager then reaches:
# where it fails so, the next attempt takes another number, the failed server still holding its.
x_starten() {
    local versuch datei wm
    datei=$(mktemp)
    for versuch in 1 2 3; do
        Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$datei" 2>/dev/null &
        x_pids+=("$!")
        bis "the X server's start" 20 test -s "$datei" || return 1
        DISPLAY=":$(head -n1 "$datei")"
        export DISPLAY
        : >"$datei"
        openbox --sm-disable >"$datei.wm" 2>&1 &
        wm=$!
        x_pids+=("$wm")
        if bis "the window manager's start on $DISPLAY (attempt $versuch)" 20 wm_bereit "$wm"; then
            rm -f "$datei" "$datei.wm"
            return 0
        fi
        cat "$datei.wm"
    done
    rm -f "$datei" "$datei.wm"
    return 1
}

# [CLEANUP...]: a test's session: a working folder in $arbeit, the game's pid to be set in $spiel,
# and at the end, however the test ends, the game ended, the cleanup commands run (ton_beenden,
# say), the X server gone and the folder removed. scheitern MESSAGE fails the test, with what
# the program wrote to $arbeit/log where it wrote something.
sitzung_beginnen() {
    arbeit=$(mktemp -d)
    spiel=""
    sitzung_nachher=("$@")
    trap sitzung_aufraeumen EXIT
}
sitzung_aufraeumen() {
    local befehl
    [ -z "$spiel" ] || kill "$spiel" 2>/dev/null || true
    for befehl in "${sitzung_nachher[@]}"; do "$befehl"; done
    x_beenden
    rm -rf "$arbeit"
}
scheitern() {
    echo "FAIL: $*"
    [ -s "$arbeit/log" ] && sed 's/^/program: /' "$arbeit/log"
    exit 1
}

# True once the window manager runs on the display; 2 when it ended.
wm_bereit() {
    kill -0 "$1" 2>/dev/null || return 2
    xprop -root _NET_SUPPORTED | grep -q _NET_REQUEST_FRAME_EXTENTS
}

x_beenden() {
    local pid
    for pid in "${x_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    x_pids=()
}

# TITLE-PATTERN: the newest shown window whose title matches; fails where there is none.
sichtbar() { xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n1 | grep .; }

# STEP TITLE-PATTERN: waits for such a window and prints its id.
fenster() {
    bis "$1" 15 sichtbar "$2" && sichtbar "$2"
}

# WINDOW: X Y of its inside on the screen, and its width and height.
innen() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

hat_fokus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
zu() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

# STEP TITLE KEYS...: waits for the box with exactly that title to hold the keyboard focus,
# types the keys into it and waits for it to go.
antworten() {
    local schritt=$1 titel=$2 box
    shift 2
    box=$(fenster "$schritt: the box \"$titel\"" "^$titel\$") || return 1
    bis "$schritt: the keyboard focus in the box" 15 hat_fokus "$box" || return 1
    xdotool key "$@"
    bis "$schritt: the box closing" 15 zu "$box"
}

# FOLDER ARGS...: $programm on that folder's list, ending the one before; its main window in
# $fenster once it has the keyboard focus.
spiel_im() {
    local ordner=$1
    shift
    if [ -n "${spiel:-}" ]; then
        kill "$spiel"
        wait "$spiel" 2>/dev/null || true
    fi
    (cd "$ordner" && exec env -u QT_QPA_PLATFORM "$programm" "$@") >>"$arbeit/log" 2>&1 &
    spiel=$!
    fenster=$(fenster "the main window" '^VUN-Memospiel') || exit 1
    bis "the keyboard focus in the main window" 15 hat_fokus "$fenster" || exit 1
}

# WINDOW X Y: a click at that point of the window. A click at the place of the one before goes
# 8 pixels to the right, beyond the distance within which two quick clicks are one double-click:
# the program would rightly take the two for one.
x_letzter_klick=""
klicken() {
    local x=$2
    if [ "$1 $2 $3" = "$x_letzter_klick" ]; then x=$(($2 + 8)); fi
    x_letzter_klick="$1 $x $3"
    xdotool mousemove --window "$1" "$x" "$3" click 1
}
