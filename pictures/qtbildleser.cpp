#include "pictures/qtbildleser.h"

#include "pictures/fotopruefung.h"
#include "pictures/svgpruefung.h"
#include "wordlist/bildeintrag.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <array>
#include <cstring>

namespace vun {

namespace {

quint32 be32(const QByteArray& b, qsizetype i) {
    return quint32(uchar(b[i])) << 24 | quint32(uchar(b[i + 1])) << 16 |
           quint32(uchar(b[i + 2])) << 8 | quint32(uchar(b[i + 3]));
}
quint32 le32(const QByteArray& b, qsizetype i) {
    return quint32(uchar(b[i])) | quint32(uchar(b[i + 1])) << 8 | quint32(uchar(b[i + 2])) << 16 |
           quint32(uchar(b[i + 3])) << 24;
}
int le16(const QByteArray& b, qsizetype i) {
    return int(uchar(b[i])) | int(uchar(b[i + 1])) << 8;
}

// Chunk by chunk from the signature: IHDR first, then IDAT, and IEND within the file. The
// compressed data cannot be smaller than its pixels allow: deflate packs at most 1032 bytes into
// one, so data for fewer pixels than the header claims is found without decoding them.
bool pngGanz(const QByteArray& b) {
    qsizetype i = 8;
    qint64 rohdaten = -1, gepackt = 0;
    while (i + 12 <= b.size()) {
        const quint32 laenge = be32(b, i);
        const QByteArray art = b.mid(i + 4, 4);
        if (laenge > 0x7FFFFFFFu || qint64(laenge) + 12 > b.size() - i)
            return false;
        if (rohdaten < 0) {
            if (art != "IHDR" || laenge < 13)
                return false;
            static constexpr int Kanaele[] = {1, 0, 3, 1, 2, 0, 4};
            const int farbart = uchar(b[i + 17]);
            const qint64 bits = qint64(uchar(b[i + 16])) * (farbart <= 6 ? Kanaele[farbart] : 0);
            rohdaten = qint64(be32(b, i + 12)) * (1 + (qint64(be32(b, i + 8)) * bits + 7) / 8);
        }
        if (art == "IDAT")
            gepackt += laenge;
        if (art == "IEND")
            return gepackt > 0 && gepackt * 1100 >= rohdaten;
        i += 12 + qsizetype(laenge);
    }
    return false;
}

// Segment by segment from the start marker, through the compressed data (where a 0xFF byte is
// followed by 0 or is a restart marker), up to the end marker: a file cut off anywhere lacks it.
// Bytes after the end marker (a camera's trailer) are no harm. Only the processes Qt's reader
// decodes are taken: baseline, extended, progressive, and those with arithmetic coding.
bool jpegGanz(const QByteArray& b) {
    const qsizetype n = b.size();
    qsizetype i = 2;
    bool bild = false;
    while (i < n) {
        if (uchar(b[i]) != 0xFF)
            return false;
        while (i < n && uchar(b[i]) == 0xFF)
            ++i;
        if (i >= n)
            return false;
        const uchar marke = uchar(b[i++]);
        if (marke == 0xD9)
            return bild;
        if (marke == 0x01 || (marke >= 0xD0 && marke <= 0xD7))
            continue;
        if (i + 2 > n)
            return false;
        const qsizetype laenge = qsizetype(uchar(b[i])) << 8 | uchar(b[i + 1]);
        if (laenge < 2 || i + laenge > n)
            return false;
        const bool sof =
            marke >= 0xC0 && marke <= 0xCF && marke != 0xC4 && marke != 0xC8 && marke != 0xCC;
        if (sof && marke != 0xC0 && marke != 0xC1 && marke != 0xC2 && marke != 0xC9 &&
            marke != 0xCA)
            return false; // lossless or hierarchical: no reader of Qt's decodes it
        bild |= sof;
        i += laenge;
        if (marke != 0xDA)
            continue;
        // The compressed data of the scan runs to the next marker.
        for (;;) {
            const void* ff = std::memchr(b.constData() + i, 0xFF, size_t(n - i));
            if (!ff)
                return false;
            i = static_cast<const char*>(ff) - b.constData();
            if (i + 1 >= n)
                return false;
            const uchar folgt = uchar(b[i + 1]);
            if (folgt == 0x00 || (folgt >= 0xD0 && folgt <= 0xD7) || folgt == 0xFF) {
                i += folgt == 0xFF ? 1 : 2;
                continue;
            }
            break;
        }
    }
    return false;
}

// Skips a GIF's data sub-blocks from i; false where they run past the end.
bool gifBloecke(const QByteArray& b, qsizetype& i) {
    while (i < b.size()) {
        const int laenge = uchar(b[i++]);
        if (laenge == 0)
            return true;
        i += laenge;
    }
    return false;
}

// The first frame whole: extensions skipped up to the first image and its data's end. Its own
// size, which a reader may take as the picture's, goes into groesse beside the screen's.
bool gifErstesBildGanz(const QByteArray& b, QSize& groesse) {
    if (b.size() < 13)
        return false;
    const uchar schirm = uchar(b[10]);
    qsizetype i = 13 + (schirm & 0x80 ? 3 * (2 << (schirm & 7)) : 0);
    while (i < b.size()) {
        const uchar art = uchar(b[i++]);
        if (art == 0x21) {
            if (++i > b.size() || !gifBloecke(b, i))
                return false;
        } else if (art == 0x2C) {
            if (i + 9 > b.size())
                return false;
            groesse = groesse.expandedTo(
                QSize(le16(b, i) + le16(b, i + 4), le16(b, i + 2) + le16(b, i + 6)));
            const uchar eigen = uchar(b[i + 8]);
            i += 9 + (eigen & 0x80 ? 3 * (2 << (eigen & 7)) : 0) + 1; // the LZW code size
            return i <= b.size() && gifBloecke(b, i);
        } else {
            return false; // the trailer before any image, or no GIF block at all
        }
    }
    return false;
}

// Up to this size a GIF's first frame is decoded once, in a few milliseconds, which finds what
// its structure does not tell (data that does not fill its size); a larger one is trusted to its
// structure, as a PNG and a JPEG always are (its decoder fills what is missing without an error).
constexpr qint64 MaxProbepunkte = 4'000'000;
bool gross(QSize s) {
    return qint64(s.width()) * s.height() > MaxProbepunkte;
}

// As long as its header says its pixels need: Qt's reader takes a BMP cut off without a word.
bool bmpGanz(const QByteArray& b) {
    if (b.size() < 26)
        return false;
    const qint64 anfang = le32(b, 10);
    const quint32 kopf = le32(b, 14);
    qint64 breite = 0, hoehe = 0, bits = 0, art = 0, groesse = 0;
    if (kopf == 12) {
        breite = le16(b, 18), hoehe = le16(b, 20), bits = le16(b, 24);
    } else if (kopf >= 40 && b.size() >= 38) {
        breite = qint32(le32(b, 18)), hoehe = qAbs(qint64(qint32(le32(b, 22))));
        bits = le16(b, 28), art = le32(b, 30), groesse = le32(b, 34);
    } else {
        return false;
    }
    const bool gepackt = art == 1 || art == 2; // run-length coded: as long as it says
    const qint64 daten = gepackt ? qMax<qint64>(groesse, 1) : (breite * bits + 31) / 32 * 4 * hoehe;
    return breite > 0 && daten > 0 && anfang + daten <= b.size();
}

bool webpGanz(const QByteArray& b) {
    return b.size() >= 12 && qint64(le32(b, 4)) + 8 <= b.size();
}

Bildbefund svgPruefen(const QByteArray& bytes) {
    Bildbefund befund;
    befund.vektor = true;
    if (!svgSicher(bytes))
        return befund;
    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer, "svg");
    leser.setAutoDetectImageFormat(false);
    befund.groesse = leser.size();
    if (befund.groesse.isEmpty())
        return befund;
    // Drawn once, small: a picture Qt's renderer does not take is known now, not on the card.
    leser.setScaledSize(befund.groesse.scaled(32, 32, Qt::KeepAspectRatio).expandedTo({1, 1}));
    befund.lesbar = !leser.read().isNull();
    return befund;
}

// Qt's name of each format, in the order of Bildformat.
const char* qtFormat(Bildformat format) {
    static constexpr std::array<const char*, 7> Namen{"",    "png",  "jpeg", "gif",
                                                      "bmp", "webp", "svg"};
    return Namen.at(static_cast<std::size_t>(format));
}

} // namespace

Bildformat bildformatAusInhalt(const QByteArray& anfang) {
    if (anfang.startsWith("\x89PNG\r\n\x1a\n"))
        return Bildformat::Png;
    if (anfang.startsWith("\xFF\xD8\xFF"))
        return Bildformat::Jpeg;
    if (anfang.startsWith("GIF87a") || anfang.startsWith("GIF89a"))
        return Bildformat::Gif;
    if (anfang.startsWith("BM") && anfang.size() >= 26)
        return Bildformat::Bmp;
    if (anfang.startsWith("RIFF") && anfang.mid(8, 4) == "WEBP")
        return Bildformat::Webp;
    if (const Bildformat foto = fotoformatAusInhalt(anfang); foto != Bildformat::Unbekannt)
        return foto;
    // An SVG is XML text: after a UTF-8 byte-order mark and blanks, its first tag.
    QByteArrayView text(anfang);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    while (!text.isEmpty() && std::strchr(" \t\r\n", text.front()) && text.front() != '\0')
        text = text.sliced(1);
    if (text.startsWith("<?xml") || text.startsWith("<svg") || text.startsWith("<!--") ||
        text.startsWith("<!DOCTYPE"))
        return Bildformat::Svg;
    return Bildformat::Unbekannt;
}

Bildbefund QtBildleser::pruefen(QIODevice& datei, const QString&) const {
    // One byte beyond the limit tells a file too large; a file that knows its size is read
    // without a buffer of the limit's size first.
    const qint64 lesen =
        datei.isSequential() ? MaxBilddatei + 1 : qMin(datei.bytesAvailable(), MaxBilddatei + 1);
    const QByteArray bytes = datei.read(lesen);
    if (bytes.isEmpty() || bytes.size() > MaxBilddatei)
        return {};
    const Bildformat format = bildformatAusInhalt(bytes.first(qMin<qsizetype>(bytes.size(), 64)));
    if (format == Bildformat::Unbekannt)
        return {};
    if (format == Bildformat::Svg)
        return svgPruefen(bytes);
    if (alsFoto(format) != Fotoformat::Keines)
        return fotoPruefen(bytes, format);

    Bildbefund befund;
    QBuffer puffer;
    puffer.setData(bytes);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer, qtFormat(format));
    leser.setAutoDetectImageFormat(false);
    bool ganz = false;
    if (format == Bildformat::Gif) {
        // Qt's GIF reader would go through every frame for the size; the screen and the first
        // frame tell it.
        befund.groesse = QSize(le16(bytes, 6), le16(bytes, 8));
        ganz = gifErstesBildGanz(bytes, befund.groesse);
        if (!leser.canRead())
            return befund;
    } else {
        befund.groesse = leser.size(); // from the header alone
    }
    if (befund.groesse.isEmpty() || bildZuGross(befund.groesse))
        return befund;
    switch (format) {
    case Bildformat::Png:
        ganz = pngGanz(bytes);
        break;
    case Bildformat::Jpeg:
        ganz = jpegGanz(bytes);
        break;
    case Bildformat::Gif:
        ganz = ganz && (gross(befund.groesse) || !leser.read().isNull());
        break;
    case Bildformat::Webp:
        ganz = webpGanz(bytes) && !leser.read().isNull();
        break;
    case Bildformat::Bmp:
        ganz = bmpGanz(bytes) && !leser.read().isNull();
        break;
    default:
        break;
    }
    befund.lesbar = ganz;
    return befund;
}

} // namespace vun
