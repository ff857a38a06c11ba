#!/usr/bin/env bash
# The cards' sounds heard: the real program on a virtual X server, its sounds through libpulse
# into a null sink of a PulseAudio server of the test's own, recorded from the sink's monitor.
# Nine sounds of distinct pitch in six formats, each on the two cards of its pair, told apart
# by their pitch in the recording: every card turned sounds, with one of the nine pitches, and
# each pitch comes from exactly two cards; the next card cuts the last one's sound off; with
# reading aloud on, a word card with its own sound plays that and the voice does not say its
# word. Exit status 77 (skipped) where a tool is missing; with VUN_SYSTEMTEST_PFLICHT=1 that
# fails instead.
#
#   klaenge.sh PROGRAMM LAGEPLAN
set -euo pipefail
programm=$(realpath "$1")
lageplan=$(realpath "$2")
. "$(dirname "$0")/../support/xsitzung.sh"
. "$(dirname "$0")/../support/tonsitzung.sh"
werkzeuge_noetig Xvfb openbox xdotool xwininfo xprop pulseaudio pactl parec sox speech-dispatcher
export ASAN_OPTIONS=detect_leaks=0:intercept_strstr=0
sitzung_beginnen ton_beenden

"$lageplan" >"$arbeit/orte" || scheitern "the layout helper"
declare -A kx ky
for k in $(seq 1 18); do
    read -r _ kx[$k] ky[$k] < <(grep "^karte$k " "$arbeit/orte")
done

# Sound N: a sine of 300 + 100 N Hz, 1.2 s long, in each of the formats the module decodes: WAV,
# FLAC and Ogg Vorbis made here by sox, MP3, Opus and AAC in .m4a made once from sox's sines by
# ffmpeg and kept in toene/, as sox writes none of them.
mkdir "$arbeit/klaenge" "$arbeit/woerter"
endungen=(- wav wav flac flac ogg ogg mp3 opus m4a)
for n in $(seq 1 9); do
    e=${endungen[n]}
    if [ -f "$(dirname "$0")/toene/t$n.$e" ]; then
        cp "$(dirname "$0")/toene/t$n.$e" "$arbeit/klaenge/"
    else
        sox -n -r 44100 -c 1 "$arbeit/klaenge/t$n.$e" synth 1.2 sine $((300 + 100 * n)) vol 0.5
    fi
    cp "$arbeit/klaenge/t$n.$e" "$arbeit/woerter/t$n.$e"
    cp "$arbeit/klaenge/t$n.$e" "$arbeit/woerter/u$n.$e"
    echo "t$n.$e"
done >"$arbeit/klaenge/VUNMEMO.TXT"
# Both cards of a pair are words with a sound of their own: the deal is random, and whichever
# card is turned, the voice must keep silent.
for n in $(seq 1 9); do
    echo "Schmetterling$n + t$n.${endungen[n]} = Raupe$n + u$n.${endungen[n]}"
done >"$arbeit/woerter/VUNMEMO.TXT"

x_starten || exit 1
ton_starten "$arbeit" || scheitern "the sound server"

# FILE FROM TO: the pitch in Hz of what was heard between FROM and TO ms; 0 where nothing was.
# Periods are counted where the signal rises from below -2000 to above 2000, and timed from the
# first such rise to the last: resampling's ripple and the quiet ends cross zero too, and counting
# every crossing read 800 Hz as 900.
tonhoehe() {
    od -An -td2 -v -w2 "$1" | awk -v von=$(($2 * 16)) -v bis=$(($3 * 16)) '
        NR < von || NR > bis { next }
        $1 < -2000 { unten = 1 }
        $1 > 2000 && unten { unten = 0; if (!n++) erst = NR; letzt = NR }
        END { printf "%d\n", (n > 1 ? (n - 1) * 16000 / (letzt - erst) : 0) }'
}
# HZ: the number of the sound of that pitch, the nearest of the nine within 4 %, or 0.
klangnummer() {
    local n beste=0 abstand=1000000
    for n in $(seq 1 9); do
        local soll=$((300 + 100 * n)) d=$(($1 - 300 - 100 * n))
        d=${d#-}
        if [ "$d" -lt "$abstand" ] && [ $((d * 100)) -le $((soll * 4)) ]; then
            beste=$n
            abstand=$d
        fi
    done
    echo "$beste"
}
begonnen() { local n; read -r n _ < <(ton "$1") && [ "$n" -gt 0 ]; }

# STEP CARD: turns the card and prints the number of the sound heard, with how long it lasted.
hoeren() {
    local datei=$arbeit/$RANDOM.raw n f l
    klick_hoeren "$1" "${kx[$2]}" "${ky[$2]}" "$datei"
    read -r n f l _ < <(ton "$datei")
    local hoehe
    hoehe=$(tonhoehe "$datei" "$f" "$l")
    echo "$(klangnummer "$hoehe") $((l - f)) $hoehe $f"
}

spiel_im "$arbeit/klaenge"
declare -A gehoert
# Cards 1 to 18 in turn: pairs are found where two follow each other, which plays nothing else.
for k in $(seq 1 18); do
    read -r nummer dauer hoehe beginn < <(hoeren "card $k" "$k")
    [ "$nummer" != 0 ] ||
        scheitern "card $k: no sound of the nine heard ($hoehe Hz for $dauer ms from $beginn ms)"
    [ "$dauer" -ge 1000 ] && [ "$dauer" -le 1400 ] ||
        scheitern "card $k: its sound lasted $dauer ms, not its 1200"
    gehoert[$nummer]=$((${gehoert[$nummer]:-0} + 1))
    echo "card $k: sound $nummer ($hoehe Hz), $dauer ms"
done
for n in $(seq 1 9); do
    [ "${gehoert[$n]:-0}" = 2 ] || scheitern "sound $n came from ${gehoert[$n]:-0} cards, not 2"
done
echo "ok: every card sounds, each of the nine sounds from the two cards of its pair"

# The next card cuts the last one off: after the second click only the second card's pitch.
spiel_im "$arbeit/klaenge"
abbruch=$arbeit/abbruch.raw
aufnahme_starten "$abbruch"
bis "a sound cut short: the recording" 10 aufgenommen "$abbruch" 100 || exit 1
xdotool mousemove --window "$fenster" "${kx[1]}" "${ky[1]}" click 1
bis "a sound cut short: its start" 15 begonnen "$abbruch" || exit 1
read -r _ erst _ < <(ton "$abbruch")
zweiter=$(($(stat -c %s "$abbruch") / 32))
xdotool mousemove --window "$fenster" "${kx[10]}" "${ky[10]}" click 1
bis "a sound cut short: the next one played" 15 ausgesprochen "$abbruch" || exit 1
aufnahme_ende
read -r _ f l _ < <(ton "$abbruch")
a=$(klangnummer "$(tonhoehe "$abbruch" "$f" $((zweiter - 50)))")
b=$(klangnummer "$(tonhoehe "$abbruch" $((zweiter + 150)) "$l")")
echo "a sound cut short: sound $a from $f ms, card 10 clicked at $zweiter ms, sound $b to $l ms"
[ "$a" != 0 ] && [ "$b" != 0 ] || scheitern "a sound cut short: the two sounds not heard"
[ $((l - zweiter)) -le 1500 ] ||
    scheitern "the first sound went on after the next card: sound until $((l - zweiter)) ms after it"
echo "ok: the next card cuts the sound before off"

# A word card with its own sound, reading aloud on: the sound alone, for its own length.
spiel_im "$arbeit/woerter" --vorlesen
for k in 1 2 3; do
    read -r nummer dauer _ < <(hoeren "word card $k with --vorlesen" "$k")
    echo "word card $k: sound $nummer, $dauer ms"
    [ "$nummer" != 0 ] || scheitern "word card $k: its own sound not heard"
    [ "$dauer" -ge 1000 ] && [ "$dauer" -le 1400 ] ||
        scheitern "word card $k: $dauer ms heard, not its sound's 1200 alone"
done
echo "ok: a word card with its own sound plays that, and the voice says nothing over it"
