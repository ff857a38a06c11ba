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
