#include "pictures/fotopruefung.h"

#include "wordlist/bildeintrag.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <array>

namespace vun {

namespace {

// The brands an ISO media file names in its first box: which of the HEIF family it is.
Bildformat heifFamilie(QByteArrayView anfang) {
    if (anfang.size() < 16 || anfang.sliced(4, 4) != "ftyp")
        return Bildformat::Unbekannt;
    const qsizetype ende = qMin<qsizetype>(anfang.size(), qFromBigEndian<quint32>(anfang.data()));
    bool heif = false;
    // The major brand, then after the minor version the compatible ones.
    for (qsizetype i = 8; i + 4 <= ende; i += i == 8 ? 8 : 4) {
        const QByteArrayView marke = anfang.sliced(i, 4);
        if (marke == "avif" || marke == "avis")
            return Bildformat::Avif;
        heif |= marke == "heic" || marke == "heix" || marke == "heim" || marke == "heis" ||
                marke == "hevc" || marke == "hevx" || marke == "mif1" || marke == "msf1";
    }
    return heif ? Bildformat::Heif : Bildformat::Unbekannt;
}

// Qt's name of each photo format, in the order of Fotoformat from Heic on.
const char* qtName(Fotoformat format) {
    static constexpr std::array<const char*, 4> Namen{"heif", "avif", "jxl", "tiff"};
    return Namen.at(static_cast<std::size_t>(format) - 1);
}

// The largest picture a card shows, in the megabytes Qt counts its decoded pictures in.
constexpr int MaxBildMiB = int(MaxBildpunkte * 4 / (1024 * 1024)) + 1;

} // namespace

Bildformat fotoformatAusInhalt(QByteArrayView anfang) {
    // Little-endian or big-endian, classic or BigTIFF.
    for (const QByteArrayView tiff : {QByteArrayView("II*\0", 4), QByteArrayView("MM\0*", 4),
                                      QByteArrayView("II+\0", 4), QByteArrayView("MM\0+", 4)})
        if (anfang.startsWith(tiff))
            return Bildformat::Tiff;
    // A bare codestream, or one in its container.
    if (anfang.startsWith("\xFF\x0A") ||
        anfang.startsWith(QByteArrayView("\0\0\0\x0CJXL \r\n\x87\n", 12)))
        return Bildformat::Jxl;
    return heifFamilie(anfang);
}

Fotoformat alsFoto(Bildformat format) {
    switch (format) {
    case Bildformat::Heif:
        return Fotoformat::Heic;
    case Bildformat::Avif:
        return Fotoformat::Avif;
    case Bildformat::Jxl:
        return Fotoformat::Jxl;
    case Bildformat::Tiff:
        return Fotoformat::Tiff;
    default:
        return Fotoformat::Keines;
    }
}

Bildbefund fotoPruefen(const QByteArray& bytes, Bildformat format) {
    Bildbefund befund;
    const Fotoformat foto = alsFoto(format);
    if (foto == Fotoformat::Keines)
        return befund;
    const char* name = qtName(foto);
    if (!QImageReader::supportedImageFormats().contains(name)) {
        befund.ohneLeser = foto;
        return befund;
    }
    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer, name);
    leser.setAutoDetectImageFormat(false);
    leser.setAllocationLimit(MaxBildMiB);
    befund.groesse = leser.size();
    if (befund.groesse.isValid()) {
        befund.lesbar = !bildZuGross(befund.groesse) && leser.canRead();
        return befund;
    }
    const QImage bild = leser.read();
    befund.groesse = bild.size();
    befund.lesbar = !bild.isNull();
    return befund;
}

} // namespace vun
