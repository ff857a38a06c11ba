#include "sound/klangpruefung.h"

#include "sound/klangkopf.h"

#include <QIODevice>

namespace vun {

namespace klangkopf {

QByteArray Quelle::lesen(qint64 ab, qint64 laenge) const {
    if (ab < 0 || laenge <= 0 || ab >= groesse_ || !datei_.seek(ab))
        return {};
    return datei_.read(qMin(laenge, groesse_ - ab));
}

namespace {

// WAV: a RIFF file of chunks; "fmt " tells the byte rate, "data" the sound's bytes.
constexpr int MaxChunks = 256;

bool wavFormat(quint32 format) {
    // PCM, floating point, A-law, µ-law, and the extensible form of these.
    return format == 1 || format == 3 || format == 6 || format == 7 || format == 0xFFFE;
}

} // namespace

std::optional<Klangbefund> wav(const Quelle& quelle, const QByteArray& kopf) {
    if (kopf.size() < 12 || !kopf.startsWith("RIFF") || kopf.mid(8, 4) != "WAVE")
        return std::nullopt;
    Klangbefund befund;
    befund.format = Klangformat::Wav;
    quint32 byterate = 0;
    qint64 stelle = 12;
    for (int i = 0; i < MaxChunks && stelle + 8 <= quelle.groesse(); ++i) {
        const QByteArray chunk = quelle.lesen(stelle, 8);
        if (chunk.size() < 8)
            return befund;
        const quint32 laenge = le32(chunk, 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = quelle.lesen(stelle + 8, 16);
            if (laenge < 16 || fmt.size() < 16 || !wavFormat(le16(fmt, 0)) || le16(fmt, 2) == 0 ||
                le32(fmt, 4) == 0)
                return befund;
            byterate = le32(fmt, 8);
            if (byterate == 0)
                return befund;
        } else if (chunk.startsWith("data")) {
            if (byterate == 0 || laenge == 0)
                return befund;
            const qint64 vorhanden = quelle.groesse() - stelle - 8;
            // A recorder stopped before it wrote the length leaves the largest one.
            const qint64 daten = laenge == 0xFFFFFFFF ? vorhanden : qint64(laenge);
            befund.dauer = millisekunden(quint64(daten), byterate);
            befund.abspielbar = daten <= vorhanden;
            return befund;
        }
        stelle += 8 + qint64(laenge) + (laenge & 1);
    }
    return befund;
}

} // namespace klangkopf

namespace {

// An ID3v2 tag before the sound (MP3, sometimes FLAC): its length, 0 where there is none.
qint64 id3Laenge(const QByteArray& kopf) {
    if (kopf.size() < 10 || !kopf.startsWith("ID3"))
        return 0;
    qint64 laenge = 0;
    for (int i = 6; i < 10; ++i) {
        if (quint8(kopf[i]) & 0x80)
            return 0;
        laenge = laenge << 7 | quint8(kopf[i]);
    }
    // A footer of ten more bytes where the flags say so.
    return 10 + laenge + ((quint8(kopf[5]) & 0x10) ? 10 : 0);
}

} // namespace

Klangbefund klangPruefen(QIODevice& datei) {
    using namespace klangkopf;
    if (!datei.isOpen() || datei.isSequential())
        return {};
    const Quelle quelle(datei);
    const QByteArray kopf = quelle.lesen(0, 64);
    for (const auto& befund : {wav(quelle, kopf), ogg(quelle, kopf), mp4(quelle, kopf)})
        if (befund)
            return *befund;
    const qint64 id3 = id3Laenge(kopf);
    if (const auto befund = flac(quelle, id3))
        return *befund;
    if (const auto befund = mp3(quelle, id3))
        return *befund;
    return {};
}

Klangbefund Klangkopfleser::pruefen(QIODevice& datei, const QString&) const {
    return klangPruefen(datei);
}

} // namespace vun
