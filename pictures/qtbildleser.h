#pragma once

#include "seams/bildleser.h"

#include <QByteArray>

namespace vun {

// The formats a picture card shows, decided from a file's content, never from its name: a JPEG
// named .png plays, a text named .png is no picture.
// A phone's and a camera's formats (Heif to Tiff) are read only where Qt has a plugin for them.
enum class Bildformat { Unbekannt, Png, Jpeg, Gif, Bmp, Webp, Svg, Heif, Avif, Jxl, Tiff };
Bildformat bildformatAusInhalt(const QByteArray& anfang);

// The program's picture reader, with Qt's image readers. The size comes from the file's header
// and a picture larger than the limits is refused before anything is decoded. Bitmaps must be
// whole: a PNG up to its IEND chunk with data enough for its size, a JPEG up to its end marker, a
// GIF's first frame (only that is shown, so thousands of frames cost no time), a WebP as long as
// its header says, a BMP as long as its pixels need; a BMP or WebP is decoded. An SVG is refused
// where it declares entities that could multiply (the "billion laughs"), refers to anything but its
// own parts (#…) or data: addresses, or where its references run in a circle or multiply beyond
// reason; it is then drawn once, small. A photo of a phone's or a camera's format is told as
// such where no plugin of Qt's reads it here, and otherwise taken by the size its header gives:
// decoding it whole would take as long as the card's own.
class QtBildleser : public Bildleser {
public:
    Bildbefund pruefen(QIODevice& datei, const QString& pfad) const override;
};

} // namespace vun
