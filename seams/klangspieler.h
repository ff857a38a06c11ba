#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace vun {

// What keeps a card's sound from being heard; game/klaenge.cpp words each for the player, with
// the Debian package that would let it. A missing decoder is named by the format it decodes.
enum class Klanghindernis {
    KeinModul,           // the sound module is not installed
    ModulOhneBibliothek, // the module is there but its sound libraries are not
    KeinKlangdienst,     // no sound server or device to play on
    KeinVorbisDecoder,   // .ogg, .oga
    KeinOpusDecoder,     // .opus
    KeinWavDecoder,      // .wav
    KeinMp3Decoder,      // .mp3
    KeinAacDecoder,      // .m4a
    KeinFlacDecoder,     // .flac
};

// Plays the cards' sound files. The program plays through the desktop's sound server; tests
// script what is played.
class Klangspieler {
public:
    virtual ~Klangspieler() = default;
    // Each thing in the way of the files asked for, once; empty where every one can be played.
    using Bereit = std::function<void(QList<Klanghindernis>)>;
    // Gets ready to play these files (absolute paths) without holding up the caller, which hears
    // back on its own thread, unless the player is gone. A call while the last is still being
    // got ready takes its place: only the latest hears back.
    virtual void vorbereiten(const QStringList& dateien, Bereit bereit) = 0;
    // Cuts off whatever plays, then plays the file from its start; a file that cannot be played
    // stays silent.
    virtual void spielen(const QString& datei) = 0;
    virtual void verstummen() = 0;
};

} // namespace vun
