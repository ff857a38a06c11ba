#!/usr/bin/env bash
# Runs the real program under strace on a virtual X server, from a read-only copy of the word
# lists, with an empty home folder and runtime folder. It plays by mouse and keys (cards, help,
# the file list, the information window, a new game) and quits with the quit button. Then it
# lists every call that could change a file: an open for writing, creating or truncating, and
# rename, unlink, mkdir, rmdir, link, symlink, truncate, chmod, chown, utime and mknod. Only
# /dev, /proc and /sys may be touched. Exit status 1 when anything else was, or when a step of
# the session went otherwise than planned.
#
#   schreibspur.sh PROGRAMM LAGEPLAN WORTLISTEN
#
# LAGEPLAN prints where the windows' places lie. Exit status 77 (skipped) where strace, Xvfb or
# xdotool are missing or strace may not trace; with VUN_SYSTEMTEST_PFLICHT=1 that fails instead.
set -euo pipefail
programm=$(realpath "$1")
lageplan=$(realpath "$2")
wortlisten=$(realpath "$3")

ueberspringen() {
    echo "Cannot run: $1"
    [ "${VUN_SYSTEMTEST_PFLICHT:-0}" = 1 ] && exit 1
    exit 77
}
for werkzeug in strace Xvfb xdotool; do
    command -v "$werkzeug" >/dev/null || ueberspringen "$werkzeug is not installed."
done
strace -qq -o /dev/null true 2>/dev/null || ueberspringen "strace may not trace here."

declare -A ort
while read -r name x y; do ort[$name]="$x $y"; done < <("$lageplan")
[ ${#ort[@]} = 27 ] || { echo "The layout helper gave ${#ort[@]} places, not 27."; exit 1; }

arbeit=$(mktemp -d)
xpid=""
ppid_=""
aufraeumen() {
    [ -n "$ppid_" ] && kill "$ppid_" 2>/dev/null || true
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
    chmod -R u+w "$arbeit"
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
mkdir -p "$arbeit/wortlisten" "$arbeit/home" "$arbeit/laufzeit" "$arbeit/protokoll"
chmod 700 "$arbeit/laufzeit"
cp "$wortlisten"/*.TXT "$arbeit/wortlisten/"
# Named to stand second in the file list, right after BERUFE.TXT.
printf 'eins\r\nzwei\r\n' >"$arbeit/wortlisten/BRUCH.TXT"
chmod -R a-w "$arbeit/wortlisten"
stand() { (cd "$arbeit" && find wortlisten home laufzeit -printf '%p %M %s %T@ %C@\n' | sort); }
stand_vorher=$(stand)

# A virtual screen on a free display number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$arbeit/protokoll/display" 2>/dev/null &
xpid=$!
for _ in $(seq 100); do [ -s "$arbeit/protokoll/display" ] && break; sleep 0.1; done
[ -s "$arbeit/protokoll/display" ] || { echo "Xvfb did not start."; exit 1; }
export DISPLAY=":$(cat "$arbeit/protokoll/display")"

aufrufe=open,openat,openat2,creat,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat
aufrufe+=,rmdir,link,linkat,symlink,symlinkat,truncate,chmod,fchmodat,chown,fchownat,lchown
aufrufe+=,utime,utimes,utimensat,futimesat,mknod,mknodat
(cd "$arbeit/wortlisten" && exec env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
    HOME="$arbeit/home" XDG_RUNTIME_DIR="$arbeit/laufzeit" LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0 \
    strace -f -qq -o "$arbeit/protokoll/spur" -e trace="$aufrufe" "$programm") &
ppid_=$!

# The newest shown window whose title matches, waiting up to ten seconds for it.
suchen() {
    timeout 10 xdotool search --sync --onlyvisible --name "$1" | tail -1 || true
}
fenster=$(suchen '^VUN-Memospiel')
[ -n "$fenster" ] || { echo "The main window did not appear."; exit 1; }
sleep 0.5
abweichungen=0
# POSITION is "X Y" as the layout helper gives it, split into two arguments on purpose.
klick() { # WINDOW POSITION
    # shellcheck disable=SC2086
    xdotool mousemove --window "$1" $2 click 1
    sleep 0.15
}
# True once the command succeeds, trying for up to five seconds: a busy machine may be slow.
bald() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
titel_ist() { [ "$(xdotool getwindowname "$fenster")" = "$1" ]; }
info_zu() { ! xdotool search --onlyvisible --name '^Programm-Info$' >/dev/null; }
karte() { klick "$fenster" "${ort[karte$1]}"; }
bild() { klick "$fenster" "${ort[bild$1]}"; }
# Answers the box with that title with keys; it takes them once the pointer is over it, as
# there is no window manager to give it the focus.
antworten() {
    local box
    box=$(suchen "^$1\$")
    if [ -z "$box" ]; then
        echo "No box \"$1\" came up for the keys $2."
        abweichungen=$((abweichungen + 1))
        return
    fi
    xdotool mousemove --window "$box" 10 10
    sleep 0.2
    xdotool key $2
    sleep 0.4
}

for k in 1 10 2 11 3 12 4 13 5 14 6 15 7 16 8 17 9 18; do karte "$k"; done
bild 3 && antworten VUN-Memory Return            # help: OK
bild 2 && antworten VUN-Memory "L e a Return"    # name: typed over the selected default
if ! bald titel_ist "VUN-Memospiel: Lea"; then
    echo "The name did not reach the title: $(xdotool getwindowname "$fenster")"
    abweichungen=$((abweichungen + 1))
fi
bild 4 && antworten VUN-Memory Escape            # new game: No
bild 5 && klick "$fenster" "${ort[datei1]}"      # the file list's first entry
antworten VUN-Memory Return                      # "... wurde geladen!"
bild 5 && klick "$fenster" "${ort[datei2]}"      # the second: BRUCH.TXT, too short
antworten VUN-Memory "Tab space Escape"          # "Gewählte Datei ist fehlerhaft! ...", details shown
for k in 3 4 5 12 13; do karte "$k"; done
bild 6
info=$(suchen '^Programm-Info$')
if [ -n "$info" ]; then
    sleep 0.3
    klick "$info" "${ort[okay]}"
    if ! bald info_zu; then
        echo "The information window stayed after \"O k a y\"."
        abweichungen=$((abweichungen + 1))
    fi
else
    echo "The information window did not appear."
    abweichungen=$((abweichungen + 1))
fi
bild 1 && antworten VUN-Memospiel Escape         # quit: No
bild 1 && antworten VUN-Memospiel "Tab space"    # quit: Yes
for _ in $(seq 50); do kill -0 "$ppid_" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$ppid_" 2>/dev/null; then
    echo "The program did not end with its quit button; ended it with SIGTERM."
    abweichungen=$((abweichungen + 1))
    kill "$ppid_"
fi
wait "$ppid_" || true
ppid_=""

schreibend='O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|O_TMPFILE'
veraendernd='^[0-9]+ +(creat|rename|renameat2?|unlink|unlinkat|mkdir|mkdirat|rmdir|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|chown|fchownat|lchown|utimes?|utimensat|futimesat|mknod|mknodat)\('
grep -E "^[0-9]+ +open(at2?)?\(.*($schreibend)|$veraendernd" "$arbeit/protokoll/spur" |
    grep -vE '"/(dev|proc|sys)/' >"$arbeit/protokoll/alle" || true
# A folder made that was there already changes nothing (Qt makes sure of its runtime folder so).
grep -vE '^[0-9]+ +mkdir(at)?\(.*= -1 EEXIST' "$arbeit/protokoll/alle" >"$arbeit/protokoll/funde" || true
stand_nachher=$(stand)

echo "$(wc -l <"$arbeit/protokoll/spur") file calls traced. Word lists read:" \
    $(grep -oE '[^"/]*\.TXT"' "$arbeit/protokoll/spur" | tr -d '"' | sort | uniq -c | tr -s ' ')
fehler=0
if grep -qE '= -1 EEXIST' "$arbeit/protokoll/alle"; then
    echo "Folders made sure of, existing already (no change):"
    grep -E '= -1 EEXIST' "$arbeit/protokoll/alle"
fi
if [ -s "$arbeit/protokoll/funde" ]; then
    echo "Calls that could change files outside /dev, /proc and /sys:"
    cat "$arbeit/protokoll/funde"
    fehler=1
fi
if [ "$stand_vorher" != "$stand_nachher" ]; then
    echo "The word lists, the home folder or the runtime folder changed:"
    diff <(echo "$stand_vorher") <(echo "$stand_nachher") || true
    fehler=1
fi
[ $fehler = 0 ] && echo "No file written, created, removed or changed."
# A session that went otherwise than planned did not check what it claims to.
if [ $abweichungen != 0 ]; then
    echo "$abweichungen steps of the session went otherwise than planned."
    fehler=1
fi
exit $fehler
