#!/usr/bin/env bash
# The Debian package from end to end, as a school's machine gets it: built and checked by
# scripts/paket, installed with apt-get, started the way its desktop entry starts it (Exec in
# Path) on a virtual X server, then purged, after which no file it installed may be left.
# Started from the menu the main window must come up with no message box (the shipped
# VUNMEMO.TXT read); opened with a word list named with blanks and umlauts, with Qt's own
# options before it, and with the shipped picture list, likewise; opened with a faulty list, the
# message box first. The picture list's pictures and Qt's plugins for them must be installed;
# --help and --version answer without a display. The desktop's sound server is one of the test's
# own, so that the shipped sound list plays on it without a box.
# Needs root; purges an installed vun-memory. Exit status 1 when any check fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/pakete.sh
pakete_sicherstellen xvfb xdotool openbox x11-utils pulseaudio pulseaudio-utils
. tests/support/xsitzung.sh
. tests/support/tonsitzung.sh

arbeit=$(mktemp -d)
ppid_=""
installiert=""
aufraeumen() {
    [ -n "$ppid_" ] && kill "$ppid_" 2>/dev/null || true
    x_beenden
    ton_beenden
    [ -n "$installiert" ] && apt-get purge -y -q vun-memory >/dev/null 2>&1 || true
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
mkdir -p "$arbeit/home" "$arbeit/Meine Listen"

. tests/support/pruefen.sh

bash scripts/paket "$arbeit/paket"
installiert=ja
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$(ls "$arbeit"/paket/vun-memory_*.deb)"

dpkg -L vun-memory >"$arbeit/pfade"
while read -r pfad; do
    if [ -f "$pfad" ] || [ -L "$pfad" ]; then echo "$pfad"; fi
done <"$arbeit/pfade" >"$arbeit/dateien"
desktop=$(grep -x '/usr/share/applications/.*\.desktop' "$arbeit/dateien")
# GROUP KEY: a key of one group of the entry; its actions follow in groups of their own.
eintrag() { sed -n "/^\[$1\]/,/^\[/ s/^$2=//p" "$desktop"; }
befehl=$(eintrag "Desktop Entry" Exec)
ordner=$(eintrag "Desktop Entry" Path)
tafel=$(eintrag "Desktop Action vollbild" Exec)
pruefe "entry starts the installed program" test -x "${befehl%% *}"
pruefe "entry starts in the installed word lists" test -f "$ordner/VUNMEMO.TXT"
# The picture list with every picture it names, and Qt's plugins for the pictures' formats,
# brought by the package's dependencies.
pruefe "the picture list and its pictures installed" bilder_da "$ordner"
pruefe "the sound list and its sounds installed" klaenge_da "$ordner"
dpkg -L libqt6gui6 >"$arbeit/qtgui"
plugins=$(grep -m1 '/qt6/plugins/imageformats$' "$arbeit/qtgui")
for plugin in libqsvg.so libqwebp.so; do
    pruefe "Qt's picture plugin $plugin installed" test -f "$plugins/$plugin"
done

# How the program is called, and its version, in a session without any display.
pruefe "--help without a display" bash -c "env -i '${befehl%% *}' --help | grep -q -- '--paare N'"
pruefe "--version without a display" \
    bash -c "env -i '${befehl%% *}' --version | grep -qx 'VUN-Memory (vun-memory) [0-9.]*'"

x_starten
ton_starten "$arbeit/ton" || { echo "FEHLER: the sound server"; exit 1; }

# Runs the entry's Exec in its Path, the arguments given standing for its %f, in a session as
# bare as a desktop's.
starten() {
    local teile=() wort
    for wort in $befehl; do
        if [ "$wort" = %f ]; then teile+=("$@"); else teile+=("$wort"); fi
    done
    (cd "$ordner" && exec env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$arbeit/home" \
        XDG_RUNTIME_DIR="$arbeit/ton/lauf" LANG=C.UTF-8 "${teile[@]}") &
    ppid_=$!
}
beenden() {
    kill "$ppid_" 2>/dev/null || true
    wait "$ppid_" 2>/dev/null || true
    ppid_=""
}
# The start-up list is read before the main window shows, and a message about it is answered
# before: once the main window is there, a box would be there already.
keine_meldung() { ! sichtbar '^VUN-Memory$' >/dev/null; }
# description, arguments for %f: the main window comes up and no message box with it.
ohne_meldung() {
    local was="$1"
    shift
    starten "$@"
    pruefe "$was: main window" fenster "$was: the main window" '^VUN-Memospiel'
    pruefe "$was: no message box" keine_meldung
    beenden
}

ohne_meldung "from the menu"
cp "$ordner/TIERE.TXT" "$arbeit/Meine Listen/Tiere für Jörg.TXT"
ohne_meldung "own list with blanks and umlauts" "$arbeit/Meine Listen/Tiere für Jörg.TXT"
ohne_meldung "Qt's options before the list" -style Fusion "$arbeit/Meine Listen/Tiere für Jörg.TXT"
# Every picture of the shipped picture list read by the installed Qt: a faulty one would be
# reported before the main window.
ohne_meldung "the picture list" "$ordner/BILDER.TXT"
# Every sound of the shipped sound list checked by the installed program likewise.
ohne_meldung "the sound list" "$ordner/HOEREN.TXT"

# The action for the board, started as the menu starts it: the main window covers the screen.
vollbild_fenster() {
    local id
    id=$(sichtbar '^VUN-Memospiel') || return 1
    [ "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')" = \
        "$(xdotool getdisplaygeometry | awk '{ printf "WIDTH=%s HEIGHT=%s ", $1, $2 }')" ]
}
vollbild_starten() { local befehl=$tafel; starten; }
vollbild_starten
pruefe "the board's action: main window full screen" \
    bis "the board's action: the main window filling the screen" 15 vollbild_fenster
beenden

printf 'eins\r\nzwei\r\n' >"$arbeit/Meine Listen/KURZ.TXT"
starten "$arbeit/Meine Listen/KURZ.TXT"
pruefe "faulty list: message box answered" antworten "the faulty list reported" VUN-Memory Return
pruefe "faulty list: main window after the box" fenster "the main window after the box" '^VUN-Memospiel'
beenden
pruefe "nothing written beside the lists" \
    test "$(find "$arbeit/Meine Listen" -type f | wc -l)" -eq 2

apt-get purge -y -q vun-memory
installiert=""
uebrig() {
    local pfad gefunden=0
    while read -r pfad; do
        if [ -e "$pfad" ] || [ -L "$pfad" ]; then
            echo "left behind: $pfad"
            gefunden=1
        fi
    done <"$arbeit/dateien"
    return "$gefunden"
}
pruefe "purge leaves none of the package's $(wc -l <"$arbeit/dateien") files" uebrig
pruefe "purge removes the data folder" test ! -e /usr/share/games/vun-memory

exit "$fehler"
