#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>

class QIODevice;

namespace vun {

// The largest picture a card shows: a file of at most 32 MiB, at most 12 000 pixels on a side
// and 50 million pixels in all (a photo of a good camera has 12 to 24 million). A larger one
// would take seconds and hundreds of megabytes to decode for a card a hand wide.
inline constexpr qint64 MaxBilddatei = 32 * 1024 * 1024;
inline constexpr int MaxBildseite = 12000;
inline constexpr qint64 MaxBildpunkte = 50'000'000;

// Whether a picture of that size in pixels is larger than a card shows.
inline bool bildZuGross(QSize groesse) {
    return groesse.width() > MaxBildseite || groesse.height() > MaxBildseite ||
           qint64(groesse.width()) * groesse.height() > MaxBildpunkte;
}

// What a picture file is, as far as a list's check needs to know.
struct Bildbefund {
    // The file is a picture of a format the game reads, complete and safe to draw.
    bool lesbar = false;
    // Its size in pixels as the file gives it; empty where it gives none. Set also where the
    // picture is refused for its size, which the reader tells without decoding it.
    QSize groesse;
    // Drawn anew for any size (SVG): groesse gives only its proportions, and no size limit holds.
    bool vektor = false;
};

// Tells whether a file decodes and how large it is. The program reads pictures with Qt's image
// readers (ui/qtbildleser.h); tests script it, so the rules of the list stay free of Qt Gui.
class Bildleser {
public:
    virtual ~Bildleser() = default;
    // datei: an open regular file inside the list's folder, read from its start; it may be read
    // to its end and moved in, never written. pfad: the file's absolute path, for naming only.
    // Must neither block nor take long: a picture larger than the limits above is refused from
    // its header, before anything of it is decoded.
    virtual Bildbefund pruefen(QIODevice& datei, const QString& pfad) const = 0;
};

} // namespace vun
