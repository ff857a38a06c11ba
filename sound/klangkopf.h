#pragma once

// What the checks of the sound formats share: reading a file in pieces and numbers from bytes.
#include "seams/klangleser.h"

#include <QByteArray>
#include <QIODevice>
#include <QtGlobal>
#include <limits>
#include <optional>

namespace vun::klangkopf {

// A file read in pieces at any place: never more than asked, never past its end.
class Quelle {
public:
    explicit Quelle(QIODevice& datei) : datei_(datei), groesse_(datei.size()) {}
    qint64 groesse() const { return groesse_; }
    // Up to laenge bytes from ab; fewer at the file's end, none where it cannot be read.
    QByteArray lesen(qint64 ab, qint64 laenge) const;

private:
    QIODevice& datei_;
    qint64 groesse_;
};

inline quint32 be16(const QByteArray& b, qsizetype i) {
    return quint32(quint8(b[i])) << 8 | quint8(b[i + 1]);
}
inline quint32 be32(const QByteArray& b, qsizetype i) {
    return be16(b, i) << 16 | be16(b, i + 2);
}
inline quint64 be64(const QByteArray& b, qsizetype i) {
    return quint64(be32(b, i)) << 32 | be32(b, i + 4);
}
inline quint32 le16(const QByteArray& b, qsizetype i) {
    return quint32(quint8(b[i])) | quint32(quint8(b[i + 1])) << 8;
}
inline quint32 le32(const QByteArray& b, qsizetype i) {
    return le16(b, i) | le16(b, i + 2) << 16;
}
inline quint64 le64(const QByteArray& b, qsizetype i) {
    return quint64(le32(b, i)) | quint64(le32(b, i + 4)) << 32;
}

// Samples at a rate as milliseconds, without overflow for any count a header can hold.
// rate must not be 0.
inline qint64 millisekunden(quint64 proben, quint64 rate) {
    const quint64 sekunden = proben / rate;
    if (sekunden > 1'000'000'000'000ULL)
        return std::numeric_limits<qint64>::max();
    return static_cast<qint64>(sekunden * 1000 + proben % rate * 1000 / rate);
}

// Where a format's checks know the file is theirs: its result; nothing where it is not theirs.
std::optional<Klangbefund> wav(const Quelle& quelle, const QByteArray& kopf);
std::optional<Klangbefund> flac(const Quelle& quelle, qint64 ab);
std::optional<Klangbefund> ogg(const Quelle& quelle, const QByteArray& kopf);
std::optional<Klangbefund> mp3(const Quelle& quelle, qint64 ab);
std::optional<Klangbefund> mp4(const Quelle& quelle, const QByteArray& kopf);

// A FLAC stream's rate and length in samples from its STREAMINFO block (34 bytes), alone and in
// Ogg; nothing where the block is too short or tells no rate.
struct Streaminfo {
    quint32 rate = 0;
    quint64 proben = 0;
};
std::optional<Streaminfo> streaminfo(const QByteArray& block);

} // namespace vun::klangkopf
