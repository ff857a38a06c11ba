#include "sound/mp4boxen.h"

namespace vun::klangkopf {

namespace {

// No sound of a minute needs more boxes or a larger index than this.
constexpr int MaxBoxen = 1024;
constexpr qint64 MaxMoov = 8 * 1024 * 1024;

} // namespace

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

std::optional<QByteArray> tonMedium(const QByteArray& moov) {
    for (qint64 ab = 0; ab + 8 <= moov.size();) {
        const auto box = boxLesen(moov.mid(ab, 16), ab, moov.size());
        if (!box)
            return std::nullopt;
        if (box->typ == "trak") {
            const QByteArray trak = moov.mid(box->inhalt, box->ende - box->inhalt);
            const auto mdia = kind(trak, 0, trak.size(), "mdia");
            const auto hdlr = mdia ? kind(*mdia, 0, mdia->size(), "hdlr") : std::nullopt;
            if (hdlr && hdlr->mid(8, 4) == "soun")
                return mdia;
        }
        ab = box->ende;
    }
    return std::nullopt;
}

Mp4Datei mp4Lesen(const Quelle& quelle) {
    Mp4Datei datei;
    qint64 ab = 0;
    for (int i = 0; i < MaxBoxen && ab < quelle.groesse(); ++i) {
        const auto box = boxLesen(quelle.lesen(ab, 16), ab, quelle.groesse());
        if (!box)
            return datei; // cut off, or no box
        if (box->typ == "moov") {
            if (box->ende - box->inhalt > MaxMoov || !datei.moov.isEmpty())
                return datei;
            datei.moov = quelle.lesen(box->inhalt, box->ende - box->inhalt);
        }
        datei.daten |= box->typ == "mdat" && box->ende > box->inhalt;
        ab = box->ende;
    }
    datei.ganz = ab == quelle.groesse();
    return datei;
}

} // namespace vun::klangkopf
