# shellcheck shell=bash
# Shared by the tests that play the real program by mouse on its X server: where the cards lie,
# from the layout helper's lines "NAME X Y" in the file $orte, and which cards are pairs, learnt
# by turning them two by two and comparing their looks through the card viewer $kartenblick in
# the main window $fenster. Needs xsitzung.sh.

declare -A ort aussehen gefunden partner

# PROGRAMM LAGEPLAN KARTENBLICK WORTLISTEN, the arguments of every test that plays the real
# program by mouse: their paths, the tools it needs (or exit 77), its session, and $orte, the file
# the layout helper's places go into.
spiel_beginnen() {
    programm=$(realpath "$1")
    lageplan=$(realpath "$2")
    kartenblick=$(realpath "$3")
    wortlisten=$(realpath "$4")
    werkzeuge_noetig Xvfb openbox xdotool xwininfo xprop
    # Under the sanitizers: the program and the card viewer go through the system's X libraries,
    # which fail the strict string check and keep allocations to the end; the window tests look
    # for this program's own leaks on the offscreen platform.
    export ASAN_OPTIONS=detect_leaks=0
    sitzung_beginnen
    orte=$arbeit/orte
}

orte_lesen() {
    local name x y
    while read -r name x y; do ort[$name]="$x $y"; done <"$orte"
}

blick() { "$kartenblick" "$fenster" <"$orte"; }
summe() { blick | awk -v k="karte$1" '$1 == k {print $2}'; }
alle_verdeckt() { [ "$(blick | awk '{print $2}' | sort -u | wc -l)" = 1 ]; }
offen() { [ "$(summe "$1")" != "$verdeckt" ] && [ "$(summe "$2")" != "$verdeckt" ]; }
karte() {
    # shellcheck disable=SC2086
    klicken "$fenster" ${ort[karte$1]}
}

# Fills partner (each card's pair) and gefunden (the pairs turned together by chance, found).
lernen() {
    bis "all cards covered" 15 alle_verdeckt || exit 1
    verdeckt=$(summe 1)
    aussehen=()
    gefunden=()
    partner=()
    local a b
    for a in 1 3 5 7 9 11 13 15 17; do
        b=$((a + 1))
        karte "$a"
        karte "$b"
        bis "cards $a and $b turned" 15 offen "$a" "$b" || exit 1
        aussehen[$a]=$(summe "$a")
        aussehen[$b]=$(summe "$b")
        if [ "${aussehen[$a]}" = "${aussehen[$b]}" ]; then gefunden[$a]=1 gefunden[$b]=1; fi
    done
    for a in $(seq 18); do
        for b in $(seq 18); do
            if [ "$a" != "$b" ] && [ "${aussehen[$a]}" = "${aussehen[$b]}" ]; then partner[$a]=$b; fi
        done
        if [ -z "${partner[$a]:-}" ]; then
            echo "FAIL: card $a looks like no other card"
            exit 1
        fi
    done
}
