// FLAC: "fLaC", metadata blocks of which STREAMINFO comes first and tells the rate and the
// samples, then frames, each with a header that names its place in the stream.
#include "sound/klangkopf.h"

#include <algorithm>

namespace vun::klangkopf {

namespace {

constexpr int MaxBloecke = 256;

// A FLAC frame's header at i: where its samples end in the stream, from its number and block
// size; nothing where the bytes hold no header whose checksum holds. blockgroesse is
// STREAMINFO's largest block, by which a stream of fixed blocks numbers its frames.
std::optional<quint64> rahmenende(const QByteArray& b, qsizetype i, quint64 blockgroesse) {
    if (b.size() - i < 6 || quint8(b[i]) != 0xFF || (quint8(b[i + 1]) & 0xFE) != 0xF8)
        return std::nullopt;
    const bool variabel = quint8(b[i + 1]) & 1;
    const int groessencode = quint8(b[i + 2]) >> 4;
    const int ratencode = quint8(b[i + 2]) & 0x0F;
    if (groessencode == 0 || ratencode == 15 || (quint8(b[i + 3]) >> 4) > 10)
        return std::nullopt;
    // The frame's number (or first sample) in UTF-8's way of writing numbers.
    qsizetype p = i + 4;
    const quint8 erstes = quint8(b[p++]);
    int folgend = 0;
    while (folgend < 8 && ((erstes << folgend) & 0x80))
        ++folgend;
    if (folgend == 1 || folgend > 7)
        return std::nullopt;
    quint64 nummer = folgend == 0 ? erstes : erstes & (0x7F >> folgend);
    for (int k = 1; k < folgend; ++k) {
        if (p >= b.size() || (quint8(b[p]) & 0xC0) != 0x80)
            return std::nullopt;
        nummer = nummer << 6 | (quint8(b[p++]) & 0x3F);
    }
    const qsizetype extra = (groessencode == 6   ? 1
                             : groessencode == 7 ? 2
                                                 : 0) +
                            (ratencode == 12                      ? 1
                             : ratencode == 13 || ratencode == 14 ? 2
                                                                  : 0);
    if (b.size() - p < extra + 1)
        return std::nullopt;
    quint64 groesse = 0;
    if (groessencode == 6)
        groesse = quint8(b[p]) + 1ULL;
    else if (groessencode == 7)
        groesse = be16(b, p) + 1ULL;
    else if (groessencode == 1)
        groesse = 192;
    else
        groesse = groessencode <= 5 ? 576ULL << (groessencode - 2) : 256ULL << (groessencode - 8);
    p += extra;
    quint8 crc = 0;
    for (qsizetype k = i; k < p; ++k) {
        crc ^= quint8(b[k]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80) ? quint8(crc << 1 ^ 0x07) : quint8(crc << 1);
    }
    if (crc != quint8(b[p]))
        return std::nullopt;
    return (variabel ? nummer : nummer * blockgroesse) + groesse;
}

// Whether a frame near the file's end reaches the stream's last sample: a file cut off ends
// with frames that stop short of it. info: STREAMINFO's 34 bytes.
bool ganz(const Quelle& quelle, const QByteArray& info, quint64 proben) {
    const quint64 blockgroesse = be16(info, 2);
    const qint64 rahmen = be32(info, 6) & 0xFFFFFF; // the largest frame; 0 where not known
    const qint64 fenster = std::clamp<qint64>(2 * rahmen, 16 * 1024, 1024 * 1024);
    const QByteArray ende = quelle.lesen(qMax<qint64>(0, quelle.groesse() - fenster), fenster);
    // lastIndexOf from -1 would search from the end again.
    for (qsizetype i = ende.lastIndexOf('\xFF'); i >= 0;
         i = i > 0 ? ende.lastIndexOf('\xFF', i - 1) : -1) {
        const auto bis = rahmenende(ende, i, blockgroesse);
        if (bis && *bis >= proben)
            return true;
    }
    return false;
}
} // namespace

std::optional<Streaminfo> streaminfo(const QByteArray& block) {
    if (block.size() < 18)
        return std::nullopt;
    Streaminfo info;
    info.rate =
        quint32(quint8(block[10])) << 12 | quint32(quint8(block[11])) << 4 | quint8(block[12]) >> 4;
    info.proben = quint64(quint8(block[13]) & 0x0F) << 32 | be32(block, 14);
    if (info.rate == 0)
        return std::nullopt;
    return info;
}

std::optional<Klangbefund> flac(const Quelle& quelle, qint64 ab) {
    if (quelle.lesen(ab, 4) != "fLaC")
        return std::nullopt;
    Klangbefund befund;
    befund.format = Klangformat::Flac;
    qint64 stelle = ab + 4;
    bool erster = true;
    QByteArray block34;
    quint64 proben = 0;
    for (int i = 0; i < MaxBloecke; ++i) {
        const QByteArray block = quelle.lesen(stelle, 4);
        if (block.size() < 4)
            return befund;
        const int art = quint8(block[0]) & 0x7F;
        const qint64 laenge = be32(block, 0) & 0xFFFFFF;
        if (erster) {
            // The first block is STREAMINFO, always.
            block34 = art == 0 && laenge == 34 ? quelle.lesen(stelle + 4, 34) : QByteArray();
            const auto info = streaminfo(block34);
            if (!info)
                return befund;
            proben = info->proben;
            if (proben > 0)
                befund.dauer = millisekunden(proben, info->rate);
            erster = false;
        }
        stelle += 4 + laenge;
        if (quint8(block[0]) & 0x80)
            break;
    }
    // The first frame follows the last block: a file cut off before it holds no sound.
    const QByteArray sync = quelle.lesen(stelle, 2);
    befund.abspielbar = sync.size() == 2 && quint8(sync[0]) == 0xFF &&
                        (quint8(sync[1]) & 0xFE) == 0xF8 && befund.dauer >= 0 &&
                        ganz(quelle, block34, proben);
    return befund;
}

} // namespace vun::klangkopf
