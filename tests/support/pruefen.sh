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

# FOLDER: every file the shipped HOEREN.TXT in FOLDER names (both halves of each pair after its
# heading) lies where it names it, and there are at least ten sounds.
klaenge_da() {
    local links rechts n=0
    while IFS='=' read -r links rechts; do
        [ -n "$rechts" ] || continue
        for datei in "$links" "$rechts"; do
            datei=${datei//[$'\r\t ']/}
            case "$datei" in
                */*) [ -s "$1/$datei" ] || { echo "missing: $1/$datei"; return 1; } ;;
            esac
        done
        case "$rechts" in *.ogg*) n=$((n + 1)) ;; esac
    done <"$1/HOEREN.TXT"
    [ "$n" -ge 10 ] || { echo "only $n sounds"; return 1; }
}
