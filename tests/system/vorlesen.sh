#!/usr/bin/env bash
# The cards heard: the real program on a virtual X server, its voice through speech-dispatcher
# and espeak-ng into a null sink of a PulseAudio server of the test's own, recorded from the
# sink's monitor. Off, a turned card is silent; Ctrl+L switches reading aloud on and the next
# card sounds; started with --vorlesen, a card sounds at once, and "Schmetterlinge" lasts clearly
# longer than "Ei", so it is the card's word that is spoken. Where the speech service cannot be
# reached, switching on brings one box and the game goes on. Exit status 77 (skipped) where a
# tool is missing; with VUN_SYSTEMTEST_PFLICHT=1 that fails instead.
#
#   vorlesen.sh PROGRAMM LAGEPLAN
set -euo pipefail
programm=$(realpath "$1")
lageplan=$(realpath "$2")
. "$(dirname "$0")/../support/xsitzung.sh"
. "$(dirname "$0")/../support/tonsitzung.sh"
werkzeuge_noetig Xvfb openbox xdotool xwininfo xprop pulseaudio pactl parec speech-dispatcher
# speech-dispatcher's espeak-ng module, which its German voice comes from.
PATH=$PATH:/usr/lib/speech-dispatcher-modules werkzeuge_noetig sd_espeak-ng
# Under the sanitizers: the X and sound libraries keep allocations to the end, and speech-dispatcher's
# client library parts its list of thousands of voices with strstr, which the sanitizer's own
# strstr makes take minutes instead of two seconds.
export ASAN_OPTIONS=detect_leaks=0:intercept_strstr=0
sitzung_beginnen ton_beenden

"$lageplan" >"$arbeit/orte" || scheitern "the layout helper"
read -r _ k1x k1y < <(grep '^karte1 ' "$arbeit/orte")
read -r _ k2x k2y < <(grep '^karte2 ' "$arbeit/orte")
read -r _ k3x k3y < <(grep '^karte3 ' "$arbeit/orte")
read -r _ k4x k4y < <(grep '^karte4 ' "$arbeit/orte")

# WORD: nine texts that differ only in their punctuation, so any card says that word.
einwort() {
    local zeichen
    for zeichen in "" "." "!" "?" "," ";" ":" "…" "!!"; do printf '%s%s\n' "$1" "$zeichen"; done
}
mkdir "$arbeit/lang" "$arbeit/kurz"
einwort Schmetterlinge >"$arbeit/lang/VUNMEMO.TXT"
einwort Ei >"$arbeit/kurz/VUNMEMO.TXT"

x_starten || exit 1
ton_starten "$arbeit" || scheitern "the sound server"

# STEP X Y: clicks there and prints how long the sound it brings lasts, in ms.
hoeren() {
    local datei=$arbeit/$RANDOM.raw n f l
    klick_hoeren "$1" "$2" "$3" "$datei"
    read -r n f l _ < <(ton "$datei")
    echo "$1: $n samples heard from $f to $l ms" >&2
    echo $((l - f))
}

spiel_im "$arbeit/lang"
stille=$arbeit/stille.raw
aufnahme_starten "$stille"
xdotool mousemove --window "$fenster" "$k1x" "$k1y" click 1
bis "a card turned while off: the recording" 10 aufgenommen "$stille" 2000 || exit 1
aufnahme_ende
read -r n _ _ _ < <(ton "$stille")
[ "$n" = 0 ] || scheitern "a card turned while reading aloud is off sounds ($n samples)"
echo "ok: off, a turned card is silent"

xdotool key --window "$fenster" ctrl+l
lang=$(hoeren "a long word after Ctrl+L" "$k2x" "$k2y")
echo "ok: after Ctrl+L the next card sounds, $lang ms"

# The next card stops the word before: the sound ends within one word of the second click. A word
# kept on to its end would sound on for most of a word more.
abbruch=$arbeit/abbruch.raw
aufnahme_starten "$abbruch"
bis "a word cut short: the recording" 10 aufgenommen "$abbruch" 100 || exit 1
xdotool mousemove --window "$fenster" "$k3x" "$k3y" click 1
begonnen() { read -r n _ < <(ton "$1") && [ "$n" -gt 0 ]; }
bis "a word cut short: its start" 15 begonnen "$abbruch" || exit 1
zweiter=$(($(stat -c %s "$abbruch") / 32))
xdotool mousemove --window "$fenster" "$k4x" "$k4y" click 1
bis "a word cut short: the next word spoken" 15 ausgesprochen "$abbruch" || exit 1
aufnahme_ende
read -r _ f l _ < <(ton "$abbruch")
echo "a word cut short: sound from $f to $l ms, the next card clicked at $zweiter ms"
[ $((l - zweiter)) -lt $((lang + 300)) ] ||
    scheitern "the word before sounded on after the next card: $((l - zweiter)) ms after it"
echo "ok: the next card stops the word before"

spiel_im "$arbeit/kurz" --vorlesen
kurz=$(hoeren "a short word with --vorlesen" "$k1x" "$k1y")
echo "ok: started with --vorlesen a card sounds, $kurz ms"
[ "$lang" -ge $((2 * kurz)) ] ||
    scheitern "a long word ($lang ms) sounds not clearly longer than a short one ($kurz ms)"
echo "ok: the long word sounds $lang ms, the short one $kurz ms"

# No speech service at the address the program is given: one box, and the game plays on.
kill "$spiel"
wait "$spiel" 2>/dev/null || true
(cd "$arbeit/kurz" && exec env -u QT_QPA_PLATFORM SPEECHD_ADDRESS="unix_socket:$arbeit/kein-dienst" \
    "$programm" --vorlesen) >>"$arbeit/log" 2>&1 &
spiel=$!
fenster=$(fenster "the main window without a speech service" '^VUN-Memospiel') || exit 1
antworten "no speech service" VUN-Memory Return || exit 1
bis "the keyboard focus back in the main window" 15 hat_fokus "$fenster" || exit 1
kill -0 "$spiel" || scheitern "the game ended after the box about the speech service"
echo "ok: without a speech service one box, and the game goes on"
