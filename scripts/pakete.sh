# Installs the Debian packages given as arguments that are not installed yet (needs root).
pakete_sicherstellen() {
    local fehlend=()
    for paket in "$@"; do
        dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed" ||
            fehlend+=("$paket")
    done
    if [ ${#fehlend[@]} -gt 0 ]; then
        echo "Installing: ${fehlend[*]}"
        apt-get update -q
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${fehlend[@]}"
    fi
}

# Qt's SVG image plugin, which draws a list's SVG pictures: part of libqt6svg6 (Qt 6.4) on
# Debian 12, the package qt6-svg-plugins (Qt 6.8) on Debian 13 and later, as debian/control's
# Depends say.
case "$(cat /etc/debian_version 2>/dev/null)" in
    1[0-2].* | [0-9].*) SVG_BILDPAKET=libqt6svg6 ;;
    *) SVG_BILDPAKET=qt6-svg-plugins ;;
esac

# What building and running the program needs, with Qt's plugins for the picture formats a list
# may name (WebP and others; PNG, JPEG, GIF and BMP come with Qt itself), and for reading aloud
# Qt's speech module with its speech-dispatcher plugin, the speech service and its German voice
# (espeak-ng); for the cards' sounds libsndfile, which decodes five of the seven formats, libFLAC
# for FLAC in Ogg, libfaad2 for AAC, and libpulse, the sound server's library. Qt's speech headers include Qt Quick's, which
# qt6-speech-dev does not pull in on Debian 12.
BAU_PAKETE=(cmake make g++ qt6-base-dev qt6-svg-dev libqt6svg6 "$SVG_BILDPAKET"
    qt6-image-formats-plugins qt6-qpa-plugins qt6-wayland qt6-translations-l10n fonts-liberation
    libxcb1-dev qt6-speech-dev qt6-declarative-dev libqt6texttospeech6 qt6-speech-speechd-plugin
    speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    libsndfile1-dev libflac-dev libpulse-dev libfaad-dev libfaad2 pkgconf)

# What the test suite needs on top: Qt's private headers (accessibility switched on as by a
# screen reader), the validators of the desktop entry and the AppStream metainfo, an X server
# with a window manager and the X tools that place, measure and drive the real windows, and
# strace for the real program traced for file writes, poppler to read the printed cards back, and
# weston, a Wayland desktop without a screen, and a sound server whose sink the cards' voice is
# recorded from (pulseaudio, with parec and pactl in pulseaudio-utils), and sox, which makes the
# test sounds.
TEST_PAKETE=(qt6-base-private-dev desktop-file-utils appstream strace xvfb openbox x11-utils
    xdotool poppler-utils weston pulseaudio pulseaudio-utils sox)

# What building the Debian package and checking it needs (debian/control's Build-Depends, the
# package tools, what every Debian package build takes for granted, lintian, and git, which
# takes the sources out of the checkout).
PAKET_PAKETE=(dpkg-dev debhelper build-essential lintian git cmake g++ qt6-base-dev qt6-svg-dev
    qt6-speech-dev qt6-declarative-dev libxcb1-dev libsndfile1-dev libflac-dev libpulse-dev
    libfaad-dev pkgconf)

# The presets leave the number of jobs to these: every core of the machine.
CMAKE_BUILD_PARALLEL_LEVEL=$(nproc)
CTEST_PARALLEL_LEVEL=$(nproc)
export CMAKE_BUILD_PARALLEL_LEVEL CTEST_PARALLEL_LEVEL
