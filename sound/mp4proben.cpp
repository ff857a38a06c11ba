// The sample tables of an ISO base media file's track, in its sample table box (stbl): stsd
// describes the samples (for AAC an mp4a entry whose esds box holds the decoder's
// configuration), stsz gives each sample's size, stco or co64 where each chunk of samples
// begins, and stsc how many samples each chunk holds. Every count is held against the bytes
// that carry it before anything is made from it.
#include "sound/mp4proben.h"

#include "sound/klangkopf.h"
#include "sound/mp4boxen.h"

namespace vun::ton {

using namespace klangkopf;

namespace {

// An MPEG-4 descriptor of the esds box: its tag, and its content's place in the bytes.
struct Deskriptor {
    quint8 tag = 0;
    qsizetype inhalt = 0;
    qsizetype ende = 0;
};

// The descriptor at ab among bytes that end at `ende`. Its length takes one to four bytes of
// seven bits each, the eighth saying another follows.
std::optional<Deskriptor> deskriptor(const QByteArray& b, qsizetype ab, qsizetype ende) {
    if (ab < 0 || ab + 2 > ende)
        return std::nullopt;
    Deskriptor d;
    d.tag = quint8(b[ab]);
    qsizetype i = ab + 1;
    qint64 laenge = 0;
    for (int n = 0;; ++n) {
        if (n == 4 || i >= ende)
            return std::nullopt;
        const quint8 byte = quint8(b[i++]);
        laenge = laenge << 7 | (byte & 0x7F);
        if (!(byte & 0x80))
            break;
    }
    if (laenge > ende - i)
        return std::nullopt;
    d.inhalt = i;
    d.ende = i + laenge;
    return d;
}

// MPEG-4 audio, and the three profiles of MPEG-2 AAC.
bool aacArt(quint8 art) {
    return art == 0x40 || art == 0x66 || art == 0x67 || art == 0x68;
}

// The AudioSpecificConfig in an esds box's content: after its version and flags the ES
// descriptor (03), in it the decoder's configuration (04), and in that its specific info (05).
std::optional<QByteArray> aacKonfiguration(const QByteArray& esds) {
    const auto es = deskriptor(esds, 4, esds.size());
    if (!es || es->tag != 0x03 || es->ende - es->inhalt < 3)
        return std::nullopt;
    const quint8 schalter = quint8(esds[es->inhalt + 2]);
    qsizetype ab = es->inhalt + 3;
    if (schalter & 0x80) // the stream it depends on
        ab += 2;
    if (schalter & 0x40) // a URL, its length first
        ab = ab < es->ende ? ab + 1 + quint8(esds[ab]) : es->ende + 1;
    if (schalter & 0x20) // the OCR stream
        ab += 2;
    const auto dc = deskriptor(esds, ab, es->ende);
    if (!dc || dc->tag != 0x04 || dc->ende - dc->inhalt < 13 || !aacArt(quint8(esds[dc->inhalt])))
        return std::nullopt;
    const auto dsi = deskriptor(esds, dc->inhalt + 13, dc->ende);
    // A few bytes; a program configuration makes it longer, never this long.
    if (!dsi || dsi->tag != 0x05 || dsi->ende == dsi->inhalt || dsi->ende - dsi->inhalt > 256)
        return std::nullopt;
    return esds.mid(dsi->inhalt, dsi->ende - dsi->inhalt);
}

// The esds box of the first sample entry, which must be AAC's (mp4a). Its boxes follow the
// fields of a sound entry, which QuickTime's versions 1 and 2 lengthen; QuickTime also wraps
// esds in a wave box.
std::optional<QByteArray> esdsBox(const QByteArray& stsd) {
    if (stsd.size() < 8 || be32(stsd, 4) == 0)
        return std::nullopt;
    const auto eintrag = boxLesen(stsd.mid(8, 16), 8, stsd.size());
    if (!eintrag || eintrag->typ != "mp4a")
        return std::nullopt;
    const QByteArray e = stsd.mid(eintrag->inhalt, eintrag->ende - eintrag->inhalt);
    if (e.size() < 28 || be16(e, 8) > 2)
        return std::nullopt;
    constexpr qsizetype zusatz[] = {0, 16, 36};
    const qsizetype kinder = 28 + zusatz[be16(e, 8)];
    if (const auto esds = kind(e, kinder, e.size(), "esds"))
        return esds;
    const auto wave = kind(e, kinder, e.size(), "wave");
    return wave ? kind(*wave, 0, wave->size(), "esds") : std::nullopt;
}

// Each sample's size from stsz: one for all, or a table.
std::optional<QList<qint64>> groessen(const QByteArray& stsz, qint64 dateigroesse) {
    if (stsz.size() < 12)
        return std::nullopt;
    const quint32 fest = be32(stsz, 4);
    const quint32 anzahl = be32(stsz, 8);
    if (anzahl == 0 || anzahl > MaxProben || fest > MaxProbe)
        return std::nullopt;
    if (fest == 0 ? (stsz.size() - 12) / 4 < anzahl
                  : quint64(fest) * anzahl > quint64(dateigroesse))
        return std::nullopt;
    QList<qint64> liste;
    liste.reserve(anzahl);
    for (quint32 i = 0; i < anzahl; ++i) {
        const quint32 groesse = fest ? fest : be32(stsz, 12 + 4 * qsizetype(i));
        if (groesse == 0 || groesse > MaxProbe)
            return std::nullopt;
        liste.append(groesse);
    }
    return liste;
}

// Where each chunk begins, from stco (32 bits) or co64 (64 bits).
std::optional<QList<quint64>> stuecke(const QByteArray& stbl) {
    auto tafel = kind(stbl, 0, stbl.size(), "stco");
    const qsizetype breite = tafel ? 4 : 8;
    if (!tafel)
        tafel = kind(stbl, 0, stbl.size(), "co64");
    if (!tafel || tafel->size() < 8)
        return std::nullopt;
    const quint32 anzahl = be32(*tafel, 4);
    if (anzahl == 0 || anzahl > MaxProben || (tafel->size() - 8) / breite < anzahl)
        return std::nullopt;
    QList<quint64> liste;
    liste.reserve(anzahl);
    for (qsizetype i = 0; i < anzahl; ++i)
        liste.append(breite == 4 ? be32(*tafel, 8 + 4 * i) : be64(*tafel, 8 + 8 * i));
    return liste;
}

// The samples in order: stsc's runs, each from its first chunk (counted from 1) up to the next
// run's, say how many samples each chunk holds, one after another from the chunk's beginning.
// Every sample must lie whole in the file, and the chunks must hold exactly the samples stsz
// counts.
std::optional<QList<Mp4Probe>> probenLegen(const QList<qint64>& groessen,
                                           const QList<quint64>& stuecke, const QByteArray& stsc,
                                           qint64 dateigroesse) {
    if (stsc.size() < 8)
        return std::nullopt;
    const quint32 laeufe = be32(stsc, 4);
    if (laeufe == 0 || (stsc.size() - 8) / 12 < laeufe || be32(stsc, 8) != 1)
        return std::nullopt;
    QList<Mp4Probe> proben;
    proben.reserve(groessen.size());
    const quint64 datei = quint64(dateigroesse);
    for (qsizetype l = 0; l < laeufe && be32(stsc, 8 + 12 * l) <= stuecke.size(); ++l) {
        const quint64 erstes = be32(stsc, 8 + 12 * l);
        const quint64 naechstes = l + 1 < laeufe ? be32(stsc, 20 + 12 * l) : stuecke.size() + 1;
        const quint32 jeStueck = be32(stsc, 12 + 12 * l);
        if (naechstes <= erstes || jeStueck == 0)
            return std::nullopt;
        for (quint64 s = erstes; s < naechstes && s <= quint64(stuecke.size()); ++s) {
            quint64 stelle = stuecke[qsizetype(s - 1)];
            for (quint32 k = 0; k < jeStueck; ++k) {
                if (proben.size() == groessen.size())
                    return std::nullopt;
                const qint64 groesse = groessen[proben.size()];
                if (stelle > datei || quint64(groesse) > datei - stelle)
                    return std::nullopt;
                proben.append({qint64(stelle), groesse});
                stelle += quint64(groesse);
            }
        }
    }
    if (proben.size() != groessen.size())
        return std::nullopt;
    return proben;
}

} // namespace

std::optional<Mp4Spur> mp4Proben(QIODevice& geraet) {
    const Quelle quelle(geraet);
    const Mp4Datei datei = mp4Lesen(quelle);
    if (!datei.ganz || !datei.daten)
        return std::nullopt;
    const auto mdia = tonMedium(datei.moov);
    const auto minf = mdia ? kind(*mdia, 0, mdia->size(), "minf") : std::nullopt;
    const auto stbl = minf ? kind(*minf, 0, minf->size(), "stbl") : std::nullopt;
    if (!stbl)
        return std::nullopt;
    const auto stsd = kind(*stbl, 0, stbl->size(), "stsd");
    const auto esds = stsd ? esdsBox(*stsd) : std::nullopt;
    const auto konfiguration = esds ? aacKonfiguration(*esds) : std::nullopt;
    const auto stsz = kind(*stbl, 0, stbl->size(), "stsz");
    const auto stsc = kind(*stbl, 0, stbl->size(), "stsc");
    if (!konfiguration || !stsz || !stsc)
        return std::nullopt;
    const auto g = groessen(*stsz, quelle.groesse());
    const auto s = g ? stuecke(*stbl) : std::nullopt;
    auto proben = s ? probenLegen(*g, *s, *stsc, quelle.groesse()) : std::nullopt;
    if (!proben)
        return std::nullopt;
    return Mp4Spur{*konfiguration, std::move(*proben)};
}

} // namespace vun::ton
