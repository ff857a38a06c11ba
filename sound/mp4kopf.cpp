// M4A: an ISO base media file of boxes. "ftyp" comes first; "moov" holds the movie's header
// (mvhd) with its length and the tracks, of which one must be sound; "mdat" holds the samples.
// Every box must fit in the file: one that reaches past its end was cut off.
#include "sound/klangkopf.h"
#include "sound/mp4boxen.h"

namespace vun::klangkopf {

namespace {

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
    const auto mdia = tonMedium(moov);
    if (!mdia)
        return std::nullopt;
    const auto mdhd = kind(*mdia, 0, mdia->size(), "mdhd");
    return mdhd ? kopfdauer(*mdhd) : -1;
}

} // namespace

std::optional<Klangbefund> mp4(const Quelle& quelle, const QByteArray& kopf) {
    if (kopf.size() < 12 || kopf.mid(4, 4) != "ftyp")
        return std::nullopt;
    Klangbefund befund;
    befund.format = Klangformat::M4a;
    const Mp4Datei datei = mp4Lesen(quelle);
    if (!datei.ganz || datei.moov.isEmpty())
        return befund;
    const QByteArray& moov = datei.moov;
    const auto spur = tonspur(moov);
    if (!spur)
        return befund;
    const auto mvhd = kind(moov, 0, moov.size(), "mvhd");
    befund.dauer = mvhd ? kopfdauer(*mvhd) : -1;
    if (befund.dauer < 0)
        befund.dauer = *spur;
    befund.abspielbar = datei.daten && befund.dauer >= 0;
    return befund;
}

} // namespace vun::klangkopf
