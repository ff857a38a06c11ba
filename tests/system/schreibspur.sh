#!/usr/bin/env bash
# Runs the real program under strace on a virtual X server, from a read-only copy of the word
# lists, with an empty home folder and runtime folder. It plays by mouse and keys (cards, help,
# the file list, the information window, a new game) and quits with the quit button. Then it
# lists every call that could change a file: an open for writing, creating or truncating, and
# rename, unlink, mkdir, rmdir, link, symlink, truncate, chmod, chown, utime and mknod. Only
# /dev, /proc and /sys may be touched. Exit status 1 when anything else was, or at once when a
# step of the session did not happen.
#
#   schreibspur.sh PROGRAMM LAGEPLAN WORTLISTEN
#
# LAGEPLAN prints where the windows' places lie. Exit status 77 (skipped) where strace, Xvfb,
# openbox, xwininfo or xdotool are missing or strace may not trace; with VUN_SYSTEMTEST_PFLICHT=1 that fails instead.
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
[ ${#ort[@]} = 28 ] || { echo "The layout helper gave ${#ort[@]} places, not 28."; exit 1; }

arbeit=$(mktemp -d)
ppid_=""
aufraeumen() {
    [ -n "$ppid_" ] && kill "$ppid_" 2>/dev/null || true
    x_beenden
    chmod -R u+w "$arbeit"
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
mkdir -p "$arbeit/wortlisten" "$arbeit/home" "$arbeit/laufzeit" "$arbeit/protokoll"
chmod 700 "$arbeit/laufzeit"
cp -R "$wortlisten"/. "$arbeit/wortlisten/"
# Named to stand second in the file list, right after BERUFE.TXT and before BILDER.TXT.
printf 'eins\r\nzwei\r\n' >"$arbeit/wortlisten/BESCHAEDIGT.TXT"
chmod -R a-w "$arbeit/wortlisten"
stand() { (cd "$arbeit" && find wortlisten home laufzeit -printf '%p %M %s %T@ %C@\n' | sort); }
stand_vorher=$(stand)

. "$(dirname "$0")/../support/xsitzung.sh"
for werkzeug in openbox xwininfo; do
    command -v "$werkzeug" >/dev/null || ueberspringen "$werkzeug is not installed."
done
x_starten

aufrufe=open,openat,openat2,creat,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat
aufrufe+=,rmdir,link,linkat,symlink,symlinkat,truncate,chmod,fchmodat,chown,fchownat,lchown
aufrufe+=,utime,utimes,utimensat,futimesat,mknod,mknodat
(cd "$arbeit/wortlisten" && exec env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
    HOME="$arbeit/home" XDG_RUNTIME_DIR="$arbeit/laufzeit" LANG=C.UTF-8 ASAN_OPTIONS=detect_leaks=0 \
    strace -f -qq -o "$arbeit/protokoll/spur" -e trace="$aufrufe" "$programm") &
ppid_=$!

# The session: each step waits for what it needs, and the first that does not happen ends the
# test, named, with the program's trace left unread.
schritt() { "$@" || exit 1; }
fenster=$(fenster "the main window" '^VUN-Memospiel') || exit 1
schritt bis "the main window holding the keyboard focus" 15 hat_fokus "$fenster"
# POSITION is "X Y" as the layout helper gives it, split into two arguments on purpose.
# shellcheck disable=SC2086
karte() { klicken "$fenster" ${ort[karte$1]}; }
# shellcheck disable=SC2086
bild() { klicken "$fenster" ${ort[bild$1]}; }
titel_ist() { [ "$(xdotool getwindowname "$fenster")" = "$1" ]; }

for k in 1 10 2 11 3 12 4 13 5 14 6 15 7 16 8 17 9 18; do karte "$k"; done
bild 3 && schritt antworten "help: OK" VUN-Memory Return
bild 2 && schritt antworten "name: typed over the selected default" VUN-Memory L e a Return
schritt bis "the name in the title" 15 titel_ist "VUN-Memospiel: Lea"
bild 4 && schritt antworten "new game: No" VUN-Memory Escape
# shellcheck disable=SC2086
bild 5 && klicken "$fenster" ${ort[datei1]} # the file list's first entry
schritt antworten "the first list loaded" VUN-Memory Return
# shellcheck disable=SC2086
bild 5 && klicken "$fenster" ${ort[datei2]} # the second: BESCHAEDIGT.TXT, too short
schritt antworten "the faulty list reported, its details shown" VUN-Memory Tab space Escape
for k in 3 4 5 12 13; do karte "$k"; done
bild 6
info=$(fenster "the information window" '^Programm-Info$') || exit 1
# shellcheck disable=SC2086
klicken "$info" ${ort[okay]}
schritt bis "the information window closing with \"O k a y\"" 15 zu "$info"
bild 1 && schritt antworten "quit: No" VUN-Memospiel Escape
bild 1 && schritt antworten "quit: Yes" VUN-Memospiel Tab space
ende() { ! kill -0 "$ppid_" 2>/dev/null; }
schritt bis "the program ending with its quit button" 15 ende
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
exit $fehler
