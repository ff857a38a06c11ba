// Ogg: pages of a stream, each with its checksum; the first page names the codec and its rate,
// the last one (marked the stream's end) tells in its granule position how far it plays.
#include "sound/klangkopf.h"

#include <array>

namespace vun::klangkopf {

namespace {

constexpr qsizetype Seitenkopf = 27;
// The largest page: its header, 255 segments and 255 bytes each.
constexpr qint64 MaxSeite = Seitenkopf + 255 + 255 * 255;

std::array<quint32, 256> crcTafel() {
    std::array<quint32, 256> tafel{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 r = i << 24;
        for (int k = 0; k < 8; ++k)
            r = (r & 0x80000000U) ? (r << 1) ^ 0x04C11DB7U : r << 1;
        tafel[i] = r;
    }
    return tafel;
}

// Ogg's checksum of a page with its own checksum field read as zero.
quint32 crc(const QByteArray& seite) {
    static const std::array<quint32, 256> tafel = crcTafel();
    quint32 r = 0;
    for (qsizetype i = 0; i < seite.size(); ++i) {
        const quint8 b = (i >= 22 && i < 26) ? 0 : quint8(seite[i]);
        r = (r << 8) ^ tafel[((r >> 24) ^ b) & 0xFF];
    }
    return r;
}

// A page's whole length from its header and segment table; 0 where the bytes hold no header.
qint64 seitenlaenge(const QByteArray& b, qsizetype ab) {
    if (b.size() - ab < Seitenkopf || b.mid(ab, 4) != "OggS" || b[ab + 4] != 0)
        return 0;
    const int segmente = quint8(b[ab + 26]);
    if (b.size() - ab < Seitenkopf + segmente)
        return 0;
    qint64 laenge = Seitenkopf + segmente;
    for (int i = 0; i < segmente; ++i)
        laenge += quint8(b[ab + Seitenkopf + i]);
    return laenge;
}

struct Strom {
    Klangformat format = Klangformat::Keines;
    quint64 rate = 0;
    quint64 vorlauf = 0; // Opus: the samples left out at the start
};

// The codec of the first packet.
std::optional<Strom> stromLesen(const QByteArray& paket) {
    Strom strom;
    if (paket.size() >= 16 && paket.startsWith("\x01vorbis")) {
        strom.format = Klangformat::Vorbis;
        strom.rate = le32(paket, 12);
    } else if (paket.size() >= 19 && paket.startsWith("OpusHead")) {
        strom.format = Klangformat::Opus;
        strom.rate = 48000; // the granule position counts at 48 kHz, whatever was recorded
        strom.vorlauf = le16(paket, 10);
    } else if (paket.size() >= 51 &&
               paket.startsWith("\x7F"
                                "FLAC") &&
               paket.mid(9, 4) == "fLaC") {
        strom.format = Klangformat::OggFlac;
        const auto info = streaminfo(paket.mid(17, 34));
        strom.rate = info ? info->rate : 0;
    }
    if (strom.format == Klangformat::Keines || strom.rate == 0)
        return std::nullopt;
    return strom;
}

// The last page of the file, whole and of the stream (serial), where it lies in the last
// `fenster` bytes; empty where none does.
QByteArray letzteSeite(const Quelle& quelle, quint32 serial, qint64 fenster) {
    const qint64 ab = qMax<qint64>(0, quelle.groesse() - fenster);
    const QByteArray ende = quelle.lesen(ab, fenster);
    // lastIndexOf from -1 would search from the end again.
    for (qsizetype i = ende.lastIndexOf("OggS"); i >= 0;
         i = i > 0 ? ende.lastIndexOf("OggS", i - 1) : -1) {
        const qint64 laenge = seitenlaenge(ende, i);
        // The last page ends where the file does; a page before it ends short of it.
        if (laenge == 0 || i + laenge != ende.size())
            continue;
        const QByteArray seite = ende.mid(i, laenge);
        if (le32(seite, 14) == serial && crc(seite) == le32(seite, 22))
            return seite;
        return {};
    }
    return {};
}

} // namespace

std::optional<Klangbefund> ogg(const Quelle& quelle, const QByteArray& kopf) {
    if (!kopf.startsWith("OggS"))
        return std::nullopt;
    Klangbefund befund;
    const QByteArray anfang = quelle.lesen(0, MaxSeite);
    const qint64 laenge = seitenlaenge(anfang, 0);
    // The first page begins the stream (BOS) and is whole.
    if (laenge == 0 || laenge > anfang.size() || !(quint8(anfang[5]) & 0x02))
        return befund;
    const QByteArray erste = anfang.first(laenge);
    if (crc(erste) != le32(erste, 22))
        return befund;
    const auto strom = stromLesen(erste.sliced(Seitenkopf + quint8(erste[26])));
    if (!strom)
        return befund;
    befund.format = strom->format;
    const quint32 serial = le32(erste, 14);
    QByteArray letzte = letzteSeite(quelle, serial, 8192);
    if (letzte.isEmpty())
        letzte = letzteSeite(quelle, serial, MaxSeite);
    if (letzte.isEmpty())
        return befund;
    const quint64 granule = le64(letzte, 6);
    if (granule == ~quint64(0))
        return befund;
    const quint64 proben = granule > strom->vorlauf ? granule - strom->vorlauf : 0;
    befund.dauer = millisekunden(proben, strom->rate);
    // A stream whose last page is not marked its end was cut off.
    befund.abspielbar = (quint8(letzte[5]) & 0x04) != 0 && proben > 0;
    return befund;
}

} // namespace vun::klangkopf
