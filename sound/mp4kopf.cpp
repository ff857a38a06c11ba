// M4A: an ISO base media file of boxes. "ftyp" comes first; "moov" holds the movie's header
// (mvhd) with its length and the tracks, of which one must be sound; "mdat" holds the samples.
// Every box must fit in the file: one that reaches past its end was cut off.
#include "sound/klangkopf.h"

namespace vun::klangkopf {

namespace {

// A box's type and its content's place in the bytes.
struct Box {
    QByteArray typ;
    qint64 inhalt = 0; // where the content begins
    qint64 ende = 0;   // where the box ends
};

// The box at ab among boxes that end at `ende`; nothing where the bytes hold none whole.
std::optional<Box> boxLesen(const QByteArray& kopf, qint64 ab, qint64 ende) {
    if (kopf.size() < 8)
        return std::nullopt;
    Box box;
    box.typ = kopf.mid(4, 4);
    qint64 laenge = be32(kopf, 0);
    box.inhalt = ab + 8;
    if (laenge == 1) {
        if (kopf.size() < 16 || be64(kopf, 8) > quint64(ende))
            return std::nullopt;
        laenge = qint64(be64(kopf, 8));
        box.inhalt += 8;
    } else if (laenge == 0) {
        laenge = ende - ab;
    }
    if (laenge < box.inhalt - ab || laenge > ende - ab)
        return std::nullopt;
    box.ende = ab + laenge;
    return box;
}

// The content of the first box of that type among the boxes in b from ab to ende.
std::optional<QByteArray> kind(const QByteArray& b, qint64 ab, qint64 ende, const char* typ) {
    while (ab + 8 <= ende) {
        const auto box = boxLesen(b.mid(ab, 16), ab, ende);
        if (!box)
            return std::nullopt;
        if (box->typ == typ)
            return b.mid(box->inhalt, box->ende - box->inhalt);
        ab = box->ende;
    }
    return std::nullopt;
}

// A movie's or a media's header: its length in milliseconds; -1 where it tells none.
qint64 kopfdauer(const QByteArray& kopf) {
    if (kopf.size() < 24)
        return -1;
    const bool lang = kopf[0] == 1;
    if (lang && kopf.size() < 32)
        return -1;
    const quint32 takt = be32(kopf, lang ? 20 : 12);
    const quint64 dauer = lang ? be64(kopf, 24) : be32(kopf, 16);
    if (takt == 0 || dauer == 0 || dauer == (lang ? ~quint64(0) : 0xFFFFFFFFULL))
        return -1;
    return millisekunden(dauer, takt);
}

// The length of the first sound track; nothing where the movie has none.
std::optional<qint64> tonspur(const QByteArray& moov) {
    for (qint64 ab = 0; ab + 8 <= moov.size();) {
        const auto box = boxLesen(moov.mid(ab, 16), ab, moov.size());
        if (!box)
            return std::nullopt;
        if (box->typ == "trak") {
            const QByteArray trak = moov.mid(box->inhalt, box->ende - box->inhalt);
            const auto mdia = kind(trak, 0, trak.size(), "mdia");
            const auto hdlr = mdia ? kind(*mdia, 0, mdia->size(), "hdlr") : std::nullopt;
            if (hdlr && hdlr->mid(8, 4) == "soun") {
                const auto mdhd = kind(*mdia, 0, mdia->size(), "mdhd");
                return mdhd ? kopfdauer(*mdhd) : -1;
            }
        }
        ab = box->ende;
    }
    return std::nullopt;
}

// No sound of a minute needs more boxes or a larger index than this.
constexpr int MaxBoxen = 1024;
constexpr qint64 MaxMoov = 8 * 1024 * 1024;

} // namespace

std::optional<Klangbefund> mp4(const Quelle& quelle, const QByteArray& kopf) {
    if (kopf.size() < 12 || kopf.mid(4, 4) != "ftyp")
        return std::nullopt;
    Klangbefund befund;
    befund.format = Klangformat::M4a;
    QByteArray moov;
    bool daten = false;
    qint64 ab = 0;
    for (int i = 0; i < MaxBoxen && ab < quelle.groesse(); ++i) {
        const auto box = boxLesen(quelle.lesen(ab, 16), ab, quelle.groesse());
        if (!box)
            return befund; // cut off, or no box
        if (box->typ == "moov") {
            if (box->ende - box->inhalt > MaxMoov || !moov.isEmpty())
                return befund;
            moov = quelle.lesen(box->inhalt, box->ende - box->inhalt);
        }
        daten |= box->typ == "mdat" && box->ende > box->inhalt;
        ab = box->ende;
    }
    if (ab != quelle.groesse() || moov.isEmpty())
        return befund;
    const auto spur = tonspur(moov);
    if (!spur)
        return befund;
    const auto mvhd = kind(moov, 0, moov.size(), "mvhd");
    befund.dauer = mvhd ? kopfdauer(*mvhd) : -1;
    if (befund.dauer < 0)
        befund.dauer = *spur;
    befund.abspielbar = daten && befund.dauer >= 0;
    return befund;
}

} // namespace vun::klangkopf
