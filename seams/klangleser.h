#pragma once

#include <QString>
#include <QtGlobal>

class QIODevice;

namespace vun {

// The kinds of sound file a list may name, as their content shows them.
enum class Klangformat { Keines, Vorbis, Opus, OggFlac, Wav, Mp3, M4a, Flac };

// What a sound file is, as far as a list's check needs to know.
struct Klangbefund {
    // The file is a whole sound of a format the game plays.
    bool abspielbar = false;
    // How long it plays in milliseconds, as its headers give it; -1 where they give nothing.
    // Set also where the sound is refused for its length.
    qint64 dauer = -1;
    Klangformat format = Klangformat::Keines;
};

// Tells from a sound file's headers whether it plays and how long, without decoding it
// (sound/klangpruefung.h); tests script it, so the rules of the list stay free of any player.
class Klangleser {
public:
    virtual ~Klangleser() = default;
    // datei: an open regular file inside the list's folder, read from its start; it may be read
    // and moved in, never written. pfad: the file's absolute path, for naming only. Must neither
    // block nor take long: only headers and the file's end are read, never the whole of it.
    virtual Klangbefund pruefen(QIODevice& datei, const QString& pfad) const = 0;
};

} // namespace vun
