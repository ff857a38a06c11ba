#!/usr/bin/env bash
# Runs a command as root on a fresh Debian: a root made with debootstrap, holding a clone of
# this checkout (its commits and the changes to tracked files) in /root/vun-memory, where the
# command runs. A school's new machine has no more than that. The root and its mounts are
# removed at the end, whatever happened, unless it was there already.
#
#   wurzel.sh SUITE FOLDER COMMAND      e.g. wurzel.sh trixie /tmp/d13 'bash scripts/test'
#
# An existing FOLDER is used as it is and kept: a copy of a root made once runs faster.
# With VUN_CCACHE set to a folder of the host, the root's compilers go through ccache with its
# cache kept there, so that CI's next fresh root compiles only what changed; ccache is the one
# package added for it, and nothing built depends on it.
# Needs root and debootstrap; exits with the command's status.
set -euo pipefail
suite=$1
wurzel=$(realpath -m "$2")
befehl=$3
quelle=$(cd "$(dirname "$0")/../.." && pwd)

eingehaengt=()
machen=1
[ -d "$wurzel" ] && machen=0
aufraeumen() {
    local i
    for ((i = ${#eingehaengt[@]} - 1; i >= 0; i--)); do
        umount -l "${eingehaengt[$i]}" 2>/dev/null || true
    done
    if [ "$machen" = 1 ] && [ -n "$wurzel" ]; then
        # Nothing may still be mounted below the root when it goes.
        if ! grep -q " $wurzel/" /proc/mounts; then rm -rf "$wurzel"; fi
    fi
}
trap aufraeumen EXIT

if [ "$machen" = 1 ]; then
    echo "--- debootstrap $suite"
    start=$SECONDS
    debootstrap "$suite" "$wurzel" http://deb.debian.org/debian >"$wurzel.log" 2>&1 ||
        { tail -n 20 "$wurzel.log"; exit 1; }
    rm -f "$wurzel.log"
    echo "root made in $((SECONDS - start)) s"
fi
einhaengen() { # what, where below the root, mount options...
    local ziel="$wurzel$2"
    mkdir -p "$ziel"
    mount "${@:3}" "$1" "$ziel"
    eingehaengt+=("$ziel")
}
# The device nodes are debootstrap's own; no mount of the host is shared into the root.
einhaengen proc /proc -t proc
einhaengen devpts /dev/pts -t devpts -o newinstance,ptmxmode=0666
einhaengen tmpfs /dev/shm -t tmpfs
cp /etc/resolv.conf "$wurzel/etc/resolv.conf"

rm -rf "$wurzel/root/vun-memory"
git clone -q --no-hardlinks "$quelle" "$wurzel/root/vun-memory"
stand=$(git -C "$quelle" stash create)
if [ -n "$stand" ]; then
    git -C "$quelle" archive "$stand" | tar -x -C "$wurzel/root/vun-memory"
fi

umgebung=(PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 TERM=dumb)
if [ -n "${VUN_CCACHE:-}" ]; then
    mkdir -p "$VUN_CCACHE"
    einhaengen "$VUN_CCACHE" /var/cache/vun-ccache --bind
    chroot "$wurzel" /usr/bin/env -i "${umgebung[@]}" DEBIAN_FRONTEND=noninteractive \
        bash -c 'apt-get update -q >/dev/null && apt-get install -y -q ccache >/dev/null'
    # The root's paths are the same in every run, so paths relative to / match from run to run.
    umgebung+=(CCACHE_DIR=/var/cache/vun-ccache CCACHE_BASEDIR=/ CCACHE_NOHASHDIR=true
        CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

echo "--- $befehl"
start=$SECONDS
status=0
chroot "$wurzel" /usr/bin/env -i "${umgebung[@]}" \
    bash -c "cd /root/vun-memory && $befehl" || status=$?
echo "--- status $status after $((SECONDS - start)) s"
exit "$status"
