# shellcheck shell=bash
# Shared by the tests and benchmarks that hear the real program: a PulseAudio server of their own
# with one null sink "stumm" as the default, and speech-dispatcher, which the program's first
# word starts, on it; both under a runtime folder and home of the caller's, so no desktop's sound
# or speech service is touched. What reaches the sink is recorded from its monitor. Needs
# xsitzung.sh.

ton_pids=()

# FOLDER: the sound server under FOLDER, XDG_RUNTIME_DIR and HOME pointing there.
ton_starten() {
    mkdir -p "$1/lauf" "$1/heim"
    chmod 700 "$1/lauf"
    export XDG_RUNTIME_DIR=$1/lauf HOME=$1/heim
    unset PULSE_SERVER SPEECHD_ADDRESS
    ton_ordner=$1
    pulseaudio -D --exit-idle-time=-1 --system=false -n --load=module-native-protocol-unix \
        --load="module-null-sink sink_name=stumm" --log-target="file:$1/pulse.log" ||
        return 1
    bis "the sound server's start" 15 pactl info || return 1
    pactl set-default-sink stumm
}

ton_beenden() {
    local pid
    for pid in "${ton_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    ton_pids=()
    [ -n "${ton_ordner:-}" ] || return 0
    # The speech service the program started, and the sound server: ours by their pid files.
    for pid in "$ton_ordner"/lauf/speech-dispatcher/pid/*.pid; do
        [ -f "$pid" ] && kill "$(cat "$pid")" 2>/dev/null
    done
    pulseaudio --kill 2>/dev/null || true
}

# FILE: records the sink's monitor into FILE (16 kHz mono, 16 bit) until aufnahme_ende.
aufnahme_starten() {
    : >"$1"
    parec -d stumm.monitor --raw --format=s16le --channels=1 --rate=16000 --latency-msec=10 \
        >"$1" &
    aufnahme_pid=$!
    ton_pids+=("$aufnahme_pid")
}
aufnahme_ende() { kill "$aufnahme_pid" 2>/dev/null || true; }

# FILE: "COUNT FIRST LAST LENGTH" of a recording: the samples heard, the first and the last of
# them and the whole recording in ms.
ton() {
    od -An -td2 -v -w2 "$1" | awk '{ v = $1 < 0 ? -$1 : $1 }
        v > 200 { n++; if (!f) f = NR; l = NR }
        END { printf "%d %d %d %d\n", n, f / 16, l / 16, NR / 16 }'
}

# FILE MS: true once the recording is MS long.
aufgenommen() { [ "$(($(stat -c %s "$1") / 32))" -ge "$2" ]; }
# FILE: true once something was heard and then 600 ms of silence.
ausgesprochen() {
    local n l ganz
    read -r n _ l ganz < <(ton "$1")
    [ "$n" -gt 0 ] && [ $((ganz - l)) -ge 600 ]
}
# STEP X Y FILE: records into FILE what a click at X Y of the window $fenster brings, until it
# has sounded and ended.
klick_hoeren() {
    aufnahme_starten "$4"
    bis "$1: the recording" 10 aufgenommen "$4" 100 || exit 1
    xdotool mousemove --window "$fenster" "$2" "$3" click 1
    bis "$1: the sound heard" 15 ausgesprochen "$4" || exit 1
    aufnahme_ende
}
