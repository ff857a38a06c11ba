#include "ui/qtbildleser.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QSet>
#include <QXmlStreamReader>
#include <cstring>
#include <optional>

namespace vun::ui {

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

// Chunk by chunk from the signature: IHDR first, some IDAT, and IEND within the file.
bool pngGanz(const QByteArray& b) {
    qsizetype i = 8;
    bool kopf = false, daten = false;
    while (i + 12 <= b.size()) {
        const quint32 laenge = be32(b, i);
        const QByteArray art = b.mid(i + 4, 4);
        if (laenge > 0x7FFFFFFFu || qint64(laenge) + 12 > b.size() - i)
            return false;
        if (!kopf && art != "IHDR")
            return false;
        kopf = true;
        daten |= art == "IDAT";
        if (art == "IEND")
            return daten;
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
        const bool sof = marke >= 0xC0 && marke <= 0xCF && marke != 0xC4 && marke != 0xC8 &&
                         marke != 0xCC;
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

bool webpGanz(const QByteArray& b) {
    return b.size() >= 12 && qint64(le32(b, 4)) + 8 <= b.size();
}

// --- SVG ---

constexpr int MaxEntitaeten = 64;
constexpr int MaxEntitaetslaenge = 1024;
// Parts drawn again through references (<use>, patterns, gradients): a drawing uses dozens.
constexpr qint64 MaxVerweise = 10000;

// A reference stays inside the picture: a part of it (#…) or data written into it.
bool verweisInnen(QStringView ziel) {
    ziel = ziel.trimmed();
    return ziel.startsWith(u'#') || ziel.startsWith(u"data:", Qt::CaseInsensitive);
}

// The targets of "url(…)" in a style or an attribute; false where one leads outside.
bool urlsInnen(QStringView text, QList<QString>& teile) {
    if (text.contains(u"@import", Qt::CaseInsensitive))
        return false;
    qsizetype i = 0;
    while ((i = text.indexOf(u"url(", i, Qt::CaseInsensitive)) >= 0) {
        i += 4;
        const qsizetype ende = text.indexOf(u')', i);
        if (ende < 0)
            return false;
        QStringView ziel = text.sliced(i, ende - i).trimmed();
        if (ziel.size() >= 2 && (ziel.front() == u'"' || ziel.front() == u'\'') &&
            ziel.back() == ziel.front())
            ziel = ziel.sliced(1, ziel.size() - 2).trimmed();
        if (!verweisInnen(ziel))
            return false;
        if (ziel.startsWith(u'#'))
            teile.append(ziel.sliced(1).toString());
        i = ende + 1;
    }
    return true;
}

// How often the parts are drawn through references, each part once plus what it refers to;
// nothing where the references run in a circle.
class Verweisnetz {
public:
    QHash<QString, QList<QString>> verweise; // a part's id, and the parts it and its inside use
    QList<QString> wurzeln;                  // the targets of every reference

    std::optional<qint64> gesamt() {
        qint64 summe = 0;
        for (const QString& ziel : wurzeln) {
            const std::optional<qint64> g = gewicht(ziel, 0);
            if (!g)
                return std::nullopt;
            summe = qMin(summe + *g, MaxVerweise + 1);
        }
        return summe;
    }

private:
    QHash<QString, qint64> gewichte_;
    QSet<QString> unterwegs_;

    std::optional<qint64> gewicht(const QString& teil, int tiefe) {
        if (const auto g = gewichte_.constFind(teil); g != gewichte_.cend())
            return *g;
        if (unterwegs_.contains(teil) || tiefe > 256)
            return std::nullopt;
        unterwegs_.insert(teil);
        qint64 g = 1;
        for (const QString& ziel : verweise.value(teil)) {
            const std::optional<qint64> z = gewicht(ziel, tiefe + 1);
            if (!z)
                return std::nullopt;
            g = qMin(g + *z, MaxVerweise + 1);
        }
        unterwegs_.remove(teil);
        gewichte_.insert(teil, g);
        return g;
    }
};

// The document read once without expanding or fetching anything: a root element <svg>, entity
// declarations few, short and referring to nothing, every reference inside the picture.
bool svgSicher(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    xml.setNamespaceProcessing(true);
    bool wurzel = false;
    bool inStil = false;
    QList<QString> offeneTeile; // the ids of the open elements that have one
    QList<bool> hatTeil;
    Verweisnetz netz;
    const auto verweis = [&](const QString& ziel) {
        netz.wurzeln.append(ziel);
        for (const QString& teil : offeneTeile)
            netz.verweise[teil].append(ziel);
    };
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD: {
            const QXmlStreamEntityDeclarations entitaeten = xml.entityDeclarations();
            if (entitaeten.size() > MaxEntitaeten)
                return false;
            for (const QXmlStreamEntityDeclaration& e : entitaeten)
                if (!e.systemId().isEmpty() || !e.publicId().isEmpty() ||
                    !e.notationName().isEmpty() || e.value().contains(u'&') ||
                    e.value().contains(u'%') || e.value().size() > MaxEntitaetslaenge)
                    return false;
            break;
        }
        case QXmlStreamReader::EntityReference:
            return false;
        case QXmlStreamReader::StartElement: {
            if (!wurzel && xml.name() != u"svg")
                return false;
            wurzel = true;
            const QXmlStreamAttributes attribute = xml.attributes();
            const QString id = attribute.value(QStringLiteral("id")).toString();
            hatTeil.append(!id.isEmpty());
            if (!id.isEmpty())
                offeneTeile.append(id);
            for (const QXmlStreamAttribute& a : attribute) {
                QList<QString> ziele;
                if (a.name() == u"href") {
                    if (!verweisInnen(a.value()))
                        return false;
                    if (a.value().trimmed().startsWith(u'#'))
                        ziele.append(a.value().trimmed().sliced(1).toString());
                }
                if (!urlsInnen(a.value(), ziele))
                    return false;
                for (const QString& ziel : ziele)
                    verweis(ziel);
            }
            inStil = xml.name() == u"style";
            break;
        }
        case QXmlStreamReader::EndElement:
            if (!hatTeil.isEmpty() && hatTeil.takeLast())
                offeneTeile.removeLast();
            inStil = false;
            break;
        case QXmlStreamReader::Characters:
            if (inStil) {
                QList<QString> ziele;
                if (!urlsInnen(xml.text(), ziele))
                    return false;
                for (const QString& ziel : ziele)
                    verweis(ziel);
            }
            break;
        case QXmlStreamReader::ProcessingInstruction:
            // <?xml-stylesheet href=…?> fetches a style sheet.
            if (xml.processingInstructionTarget() != u"xml")
                return false;
            break;
        default:
            break;
        }
    }
    if (xml.hasError() || !wurzel)
        return false;
    const std::optional<qint64> gezeichnet = netz.gesamt();
    return gezeichnet && *gezeichnet <= MaxVerweise;
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

const char* qtFormat(Bildformat format) {
    switch (format) {
    case Bildformat::Png:
        return "png";
    case Bildformat::Jpeg:
        return "jpeg";
    case Bildformat::Gif:
        return "gif";
    case Bildformat::Bmp:
        return "bmp";
    case Bildformat::Webp:
        return "webp";
    case Bildformat::Svg:
        return "svg";
    case Bildformat::Unbekannt:
        break;
    }
    return "";
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
    const QByteArray bytes = datei.read(MaxBilddatei + 1);
    if (bytes.isEmpty() || bytes.size() > MaxBilddatei)
        return {};
    const Bildformat format = bildformatAusInhalt(bytes.first(qMin<qsizetype>(bytes.size(), 64)));
    if (format == Bildformat::Unbekannt)
        return {};
    if (format == Bildformat::Svg)
        return svgPruefen(bytes);

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
    case Bildformat::Webp:
        ganz = webpGanz(bytes) && !leser.read().isNull();
        break;
    case Bildformat::Bmp:
        ganz = !leser.read().isNull();
        break;
    default:
        break;
    }
    befund.lesbar = ganz;
    return befund;
}

} // namespace vun::ui
