#pragma once

#include "seams/klangleser.h"

class QIODevice;

namespace vun {

// Tells a sound file's format and length from its headers alone, as a list is read: Ogg (Vorbis,
// Opus, FLAC), WAV, MP3, M4A and FLAC, decided by the content, not the ending. Only the headers
// and the file's last page are read, at most a few hundred KiB of a file of any size, so a
// file that claims hours or a hostile one is judged at once.
Klangbefund klangPruefen(QIODevice& datei);

// The program's sound checks for a list's files.
class Klangkopfleser : public Klangleser {
public:
    Klangbefund pruefen(QIODevice& datei, const QString& pfad) const override;
};

} // namespace vun
