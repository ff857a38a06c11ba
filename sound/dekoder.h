#pragma once

// A sound file decoded piece by piece into 16-bit samples for the sound server, so a sound of a
// minute never lies whole in memory.
#include "seams/klangleser.h"

#include <QString>
#include <QtGlobal>
#include <memory>

class QIODevice;

namespace vun::ton {

class Dekoder {
public:
    virtual ~Dekoder() = default;
    // Fixed once the decoder is open: samples a second, and channels, interleaved.
    virtual int rate() const = 0;
    virtual int kanaele() const = 0;
    // Up to `bilder` frames (one sample for each channel) into ziel; fewer only at the end, 0 at
    // the end or where the rest cannot be decoded.
    virtual qint64 lesen(qint16* ziel, qint64 bilder) = 0;
};

// FLAC in Ogg through libFLAC; as aacDekoder.
std::unique_ptr<Dekoder> oggFlacDekoder(std::unique_ptr<QIODevice> datei);

// Ogg Vorbis and Opus, WAV, MP3 and FLAC through libsndfile, found from the content;
// the decoder reads the device, which must stay open while it lives. Nothing where libsndfile
// reads no sound from it.
std::unique_ptr<Dekoder> sndfileDekoder(std::unique_ptr<QIODevice> datei);
// Whether libsndfile, as built here, decodes the format (not AAC nor FLAC in Ogg: those are
// aacDekoder's and oggFlacDekoder's).
bool sndfileKann(Klangformat format);

// AAC in an MP4 file (.m4a); the decoder reads the device, which must stay open while it lives.
// Nothing where the file holds no AAC track it can decode.
std::unique_ptr<Dekoder> aacDekoder(std::unique_ptr<QIODevice> datei);

// The file at this absolute path, of the format its check read, opened for playing: never
// waiting on a fifo or a device put in its place since, never longer than a list's sound may
// be. Nothing where it cannot be played.
std::unique_ptr<Dekoder> dekoderOeffnen(const QString& datei, Klangformat format);

} // namespace vun::ton
