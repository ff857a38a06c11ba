// MP3: frames, each with a header of its own. The first frame may be a Xing, Info or VBRI header
// telling the frames and bytes of the whole; otherwise the bit rate of a constant stream and the
// file's size tell its length.
#include "sound/klangkopf.h"

#include <array>

namespace vun::klangkopf {

namespace {

// How far after the tag the first frame is looked for: an encoder's padding, never a song.
constexpr qint64 Suchweite = 64 * 1024;

struct Rahmen {
    int version = 0; // 1 MPEG-1, 2 MPEG-2, 25 MPEG-2.5
    int schicht = 0; // 1, 2 or 3
    quint32 bitrate = 0;
    quint32 rate = 0;
    qint64 laenge = 0;
    quint32 proben = 0;
    bool mono = false;
};

constexpr std::array<std::array<quint16, 15>, 5> Bitraten{{
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448}, // MPEG-1 layer I
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},    // MPEG-1 layer II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},     // MPEG-1 layer III
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},    // MPEG-2 layer I
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},         // MPEG-2 layers II, III
}};

std::optional<Rahmen> rahmenLesen(const QByteArray& b, qsizetype i) {
    if (b.size() - i < 4 || quint8(b[i]) != 0xFF || (quint8(b[i + 1]) & 0xE0) != 0xE0)
        return std::nullopt;
    const int v = (quint8(b[i + 1]) >> 3) & 3;
    const int s = (quint8(b[i + 1]) >> 1) & 3;
    const int bi = quint8(b[i + 2]) >> 4;
    const int ri = (quint8(b[i + 2]) >> 2) & 3;
    // Reserved values, and the free bit rate no length can be told for.
    if (v == 1 || s == 0 || bi == 0 || bi == 15 || ri == 3)
        return std::nullopt;
    Rahmen r;
    r.version = v == 3 ? 1 : v == 2 ? 2 : 25;
    r.schicht = 4 - s;
    const int tafel = r.version == 1 ? r.schicht - 1 : r.schicht == 1 ? 3 : 4;
    r.bitrate = Bitraten.at(tafel).at(bi) * 1000U;
    constexpr std::array<quint32, 3> Raten{44100, 48000, 32000};
    r.rate = Raten.at(ri) / (r.version == 1 ? 1 : r.version == 2 ? 2 : 4);
    const bool polster = (quint8(b[i + 2]) >> 1) & 1;
    if (r.schicht == 1) {
        r.proben = 384;
        r.laenge = (12 * r.bitrate / r.rate + polster) * 4;
    } else {
        r.proben = r.schicht == 3 && r.version != 1 ? 576 : 1152;
        r.laenge = r.proben / 8 * r.bitrate / r.rate + polster;
    }
    r.mono = (quint8(b[i + 3]) >> 6) == 3;
    return r;
}

bool gleicheArt(const Rahmen& a, const Rahmen& b) {
    return a.version == b.version && a.schicht == b.schicht && a.rate == b.rate;
}

// Frames and bytes as a Xing, Info or VBRI header in the first frame tells them; 0 where not.
std::pair<quint64, quint64> vbrKopf(const QByteArray& b, qsizetype i, const Rahmen& r) {
    const qsizetype seiten = r.version == 1 ? (r.mono ? 17 : 32) : (r.mono ? 9 : 17);
    const qsizetype xing = i + 4 + seiten;
    if (b.size() - xing >= 16 && (b.mid(xing, 4) == "Xing" || b.mid(xing, 4) == "Info")) {
        const quint32 flags = be32(b, xing + 4);
        qsizetype feld = xing + 8;
        const quint64 rahmen = (flags & 1) ? be32(b, feld) : 0;
        feld += (flags & 1) ? 4 : 0;
        const quint64 bytes = (flags & 2) && b.size() - feld >= 4 ? be32(b, feld) : 0;
        return {rahmen, bytes};
    }
    const qsizetype vbri = i + 36;
    if (b.size() - vbri >= 18 && b.mid(vbri, 4) == "VBRI")
        return {be32(b, vbri + 14), be32(b, vbri + 10)};
    return {0, 0};
}

// Whether the sound ends with a whole frame: a file cut off ends inside one, so no frame's header
// near its end leads exactly to it. ende: where the frames end (before an ID3v1 tag).
bool endetGanz(const Quelle& quelle, qint64 ende, const Rahmen& erster) {
    constexpr qint64 Fenster = 8192; // more than the largest frame
    const qint64 ab = qMax<qint64>(0, ende - Fenster);
    const QByteArray b = quelle.lesen(ab, ende - ab);
    // lastIndexOf from -1 would search from the end again.
    for (qsizetype i = b.lastIndexOf('\xFF'); i >= 0;
         i = i > 0 ? b.lastIndexOf('\xFF', i - 1) : -1) {
        const auto r = rahmenLesen(b, i);
        if (r && gleicheArt(*r, erster) && i + r->laenge == b.size())
            return true;
    }
    return false;
}

} // namespace

std::optional<Klangbefund> mp3(const Quelle& quelle, qint64 ab) {
    const QByteArray b = quelle.lesen(ab, Suchweite + 4096);
    for (qsizetype i = b.indexOf('\xFF'); i >= 0 && i < Suchweite; i = b.indexOf('\xFF', i + 1)) {
        const auto r = rahmenLesen(b, i);
        if (!r)
            continue;
        // A frame is one where the next frame follows it, or the file ends with it.
        const qint64 naechster = i + r->laenge;
        const qint64 rest = quelle.groesse() - ab - naechster;
        const auto zweiter = rahmenLesen(b, naechster);
        if (!(zweiter && gleicheArt(*r, *zweiter)) && !(rest >= 0 && rest <= 128))
            continue;
        Klangbefund befund;
        befund.format = Klangformat::Mp3;
        const qint64 anfang = ab + i;
        qint64 daten = quelle.groesse() - anfang;
        if (quelle.lesen(quelle.groesse() - 128, 3) == "TAG")
            daten -= 128;
        const auto [rahmen, bytes] = vbrKopf(b, i, *r);
        if (rahmen > 0)
            befund.dauer = millisekunden(rahmen * r->proben, r->rate);
        else
            befund.dauer = millisekunden(quint64(qMax<qint64>(daten, 0)) * 8, r->bitrate);
        // A stream that says how many bytes it holds and holds far fewer was cut off.
        befund.abspielbar = daten > 0 && qint64(bytes) <= daten + r->laenge &&
                            endetGanz(quelle, anfang + daten, *r);
        return befund;
    }
    return std::nullopt;
}

} // namespace vun::klangkopf
