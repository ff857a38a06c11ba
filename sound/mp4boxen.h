#pragma once

// An ISO base media file (.m4a) is a tree of boxes, each its length, its type and its content;
// the check of a list's sounds and the sample tables of the decoder read it alike.
#include "sound/klangkopf.h"

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace vun::klangkopf {

// A box's type and its content's place in the bytes.
struct Box {
    QByteArray typ;
    qint64 inhalt = 0; // where the content begins
    qint64 ende = 0;   // where the box ends
};

// The box whose first bytes (up to 16) are kopf, lying at ab among boxes that end at `ende`;
// nothing where the bytes hold none whole.
std::optional<Box> boxLesen(const QByteArray& kopf, qint64 ab, qint64 ende);

// The content of the first box of that type among the boxes in b from ab to ende.
std::optional<QByteArray> kind(const QByteArray& b, qint64 ab, qint64 ende, const char* typ);

// The media box (mdia) of the movie's first track whose handler is sound; nothing where the
// movie has none.
std::optional<QByteArray> tonMedium(const QByteArray& moov);

// A file's boxes at the top: the movie's box (empty where there is none), whether they fill the
// file exactly (a box cut off, a second movie or one larger than any sound's index leaves the
// file not whole), and whether an mdat box holds any bytes.
struct Mp4Datei {
    QByteArray moov;
    bool ganz = false;
    bool daten = false;
};
Mp4Datei mp4Lesen(const Quelle& quelle);

} // namespace vun::klangkopf
