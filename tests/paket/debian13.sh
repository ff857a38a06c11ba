#!/usr/bin/env bash
# CI on the Debian a school installs today, beside the run on the machine itself: in a fresh
# Debian 13 root the package is built and passes lintian (scripts/paket), and the quick tests
# pass with that release's compiler and Qt. Needs root and debootstrap.
# Usage: debian13.sh [FOLDER]   makes the root in FOLDER (default: a new temporary folder)
set -euo pipefail
hier=$(dirname "$0")
. "$hier/../../scripts/pakete.sh"
pakete_sicherstellen debootstrap
ort=${1:-}
if [ -z "$ort" ]; then
    eltern=$(mktemp -d)
    trap 'rm -rf "$eltern"' EXIT
    ort="$eltern/trixie"
fi
bash "$hier/wurzel.sh" trixie "$ort" '
    set -e
    bash scripts/paket /root/paket
    # Installed as a school installs it, its recommendations with it (the photo plugins); how
    # it is called and its version come without a display.
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q /root/paket/vun-memory_*.deb >/dev/null
    env -i /usr/games/vun-memory --help | grep -q -- "--paare N"
    env -i /usr/games/vun-memory --version
    dpkg -s kimageformat6-plugins >/dev/null
    . scripts/pakete.sh
    # The preset configures the window tests as well, which take Qt'"'"'s private headers.
    pakete_sicherstellen "${BAU_PAKETE[@]}" qt6-base-private-dev
    cmake --preset standard >/dev/null
    # Only what the quick tests run is built: the tests named as targets, and what they link.
    ziele=$(ctest --preset schnell -N | sed -n "s/^ *Test *#[0-9]*: //p")
    vorhanden=$(cmake --build --preset standard --target help | sed -n "s/^\.\.\. //p")
    cmake --build --preset standard --target $(echo "$ziele" | grep -Fxf <(echo "$vorhanden"))
    ctest --preset schnell'
