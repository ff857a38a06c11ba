#include "wordlist/dekodierung.h"

#include <QStringDecoder>
#include <array>

namespace vun {

namespace {

// 0x80 to 0x9F in Windows-1252; every other byte is the Latin-1 character of the same number.
constexpr std::array<char16_t, 32> Bereich80bis9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char16_t zeichen1252(uchar byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return Bereich80bis9F[byte - 0x80];
    return byte;
}

// Length of the sequence a lead byte starts, and the smallest code point it may carry;
// 0 for a byte that cannot start one.
int sequenzlaenge(uchar lead, char32_t& kleinster, char32_t& wert) {
    if ((lead & 0xE0) == 0xC0) {
        kleinster = 0x80;
        wert = lead & 0x1F;
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        kleinster = 0x800;
        wert = lead & 0x0F;
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        kleinster = 0x10000;
        wert = lead & 0x07;
        return 4;
    }
    return 0;
}

} // namespace

bool istUtf8(QByteArrayView bytes, bool* mehrbytig) {
    bool mehr = false;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar lead = static_cast<uchar>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        char32_t kleinster = 0;
        char32_t wert = 0;
        const int laenge = sequenzlaenge(lead, kleinster, wert);
        if (laenge == 0 || laenge > n - i)
            return false;
        for (int k = 1; k < laenge; ++k) {
            const uchar folge = static_cast<uchar>(bytes[i + k]);
            if ((folge & 0xC0) != 0x80)
                return false;
            wert = (wert << 6) | (folge & 0x3F);
        }
        if (wert < kleinster || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF))
            return false;
        mehr = true;
        i += laenge;
    }
    if (mehrbytig)
        *mehrbytig = mehr;
    return true;
}

Kodierung kodierungErkennen(QByteArrayView bytes) {
    if (bytes.startsWith(Bom))
        return Kodierung::Utf8;
    bool mehrbytig = false;
    return istUtf8(bytes, &mehrbytig) && mehrbytig ? Kodierung::Utf8 : Kodierung::Windows1252;
}

QString ausWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* ziel = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        ziel[i] = QChar(zeichen1252(static_cast<uchar>(bytes[i])));
    return text;
}

QString ausUtf8(QByteArrayView bytes) {
    // QString::fromUtf8 would drop a leading byte-order mark; an entry keeps every character.
    QStringDecoder dekoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return dekoder.decode(bytes);
}

QString dekodieren(QByteArrayView bytes, Kodierung kodierung) {
    return kodierung == Kodierung::Utf8 ? ausUtf8(bytes) : ausWindows1252(bytes);
}

QString textAusBytes(QByteArrayView bytes) {
    const Kodierung kodierung = kodierungErkennen(bytes);
    if (kodierung == Kodierung::Utf8 && bytes.startsWith(Bom))
        bytes = bytes.sliced(Bom.size());
    return dekodieren(bytes, kodierung);
}

} // namespace vun
