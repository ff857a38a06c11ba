# Shared by the shell tests: each check is reported, and the test fails at its end if any did.
fehler=0
pruefe() { # description, command...
    local was="$1"
    shift
    if "$@"; then
        echo "ok: $was"
    else
        echo "FEHLER: $was"
        fehler=1
    fi
}

# FOLDER: every picture the shipped BILDER.TXT in FOLDER names lies where it names it, below the
# list, and there are at least a dozen of them.
bilder_da() {
    local bild n=0
    while IFS='=' read -r _ bild; do
        bild=${bild//[$'\r\t ']/}
        [ -s "$1/$bild" ] || { echo "missing: $1/$bild"; return 1; }
        n=$((n + 1))
    done <"$1/BILDER.TXT"
    [ "$n" -ge 12 ] || { echo "only $n pictures"; return 1; }
}
