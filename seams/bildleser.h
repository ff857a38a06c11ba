#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>

class QIODevice;

namespace vun {

// The formats of phones and cameras that Qt reads only through a plugin of its own, which a
// machine may lack.
enum class Fotoformat { Keines, Heic, Avif, Jxl, Tiff };

// What a picture file is, as far as a list's check needs to know.
struct Bildbefund {
    // The file is a picture of a format the game reads, complete and safe to draw.
    bool lesbar = false;
    // Its size in pixels as the file gives it; empty where it gives none. Set also where the
    // picture is refused for its size, which the reader tells without decoding it.
    QSize groesse;
    // Drawn anew for any size (SVG): groesse gives only its proportions, and no size limit holds.
    bool vektor = false;
    // The file is of that format, and no reader for it is installed here.
    Fotoformat ohneLeser = Fotoformat::Keines;
};

// Tells whether a file decodes and how large it is. The program reads pictures with Qt's image
// readers (ui/qtbildleser.h); tests script it, so the rules of the list stay free of Qt Gui.
class Bildleser {
public:
    virtual ~Bildleser() = default;
    // datei: an open regular file inside the list's folder, read from its start; it may be read
    // to its end and moved in, never written. pfad: the file's absolute path, for naming only.
    // Must neither block nor take long: a picture larger than the limits of the list's pictures
    // (wordlist/bildeintrag.h) is refused from its header, before anything of it is decoded.
    virtual Bildbefund pruefen(QIODevice& datei, const QString& pfad) const = 0;
};

} // namespace vun
