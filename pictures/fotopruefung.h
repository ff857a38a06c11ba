#pragma once

#include "pictures/qtbildleser.h"

#include <QByteArray>
#include <QByteArrayView>

namespace vun {

// A phone's or a camera's format (TIFF, JPEG XL, HEIC and the rest of the HEIF family, AVIF), told
// from a file's first bytes; Unbekannt for any other.
Bildformat fotoformatAusInhalt(QByteArrayView anfang);

// The photo format a Bildformat is, as the list's rules name it; Keines for the others.
Fotoformat alsFoto(Bildformat format);

// A whole file of such a format: where no plugin of Qt's reads it here, the format that is
// missing; else its size from the header where the plugin tells it (decoding it whole would take
// as long as the card's own), or from the picture decoded within the limits where it does not.
Bildbefund fotoPruefen(const QByteArray& bytes, Bildformat format);

} // namespace vun
