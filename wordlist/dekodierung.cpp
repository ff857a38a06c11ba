#include "wordlist/dekodierung.h"

#include <QStringDecoder>
#include <QUtf8StringView>
#include <algorithm>

namespace vun {

namespace {

// Bytes 0x80 to 0x9F; all others are the Latin-1 character of the same number. Qt reaches
// Windows-1252 only through ICU, which not every Qt is built with, so the code page is here.
constexpr char16_t Zeichen80bis9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString dekodieren(QStringDecoder::Encoding kodierung, QByteArrayView bytes) {
    // A byte-order mark inside the bytes belongs to the text; a malformed sequence (a lone
    // surrogate) becomes U+FFFD.
    QStringDecoder dekoder(kodierung, QStringDecoder::Flag::Stateless |
                                          QStringDecoder::Flag::ConvertInitialBom);
    return dekoder.decode(bytes);
}

// So does a last odd byte of UTF-16, which Qt's decoder keeps back as the start of a unit.
QString ausUtf16(QStringDecoder::Encoding kodierung, QByteArrayView bytes) {
    QString text = dekodieren(kodierung, bytes.first(bytes.size() & ~qsizetype(1)));
    if (bytes.size() % 2 != 0)
        text.append(QChar::ReplacementCharacter);
    return text;
}

} // namespace

Kodierung kodierungErkennen(QByteArrayView bytes) {
    if (bytes.startsWith(BomUtf16LE))
        return Kodierung::Utf16LE;
    if (bytes.startsWith(BomUtf16BE))
        return Kodierung::Utf16BE;
    if (bytes.startsWith(Bom))
        return Kodierung::Utf8;
    const bool mehrbytig =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; });
    return mehrbytig && QUtf8StringView(bytes.data(), bytes.size()).isValidUtf8()
               ? Kodierung::Utf8
               : Kodierung::Windows1252;
}

QString ausWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* ziel = text.data();
    for (char c : bytes) {
        const uchar b = uchar(c);
        *ziel++ = b >= 0x80 && b <= 0x9F ? QChar(Zeichen80bis9F[b - 0x80]) : QChar(b);
    }
    return text;
}

QString ausUtf8(QByteArrayView bytes) {
    return dekodieren(QStringDecoder::Utf8, bytes);
}

QString textAusBytes(QByteArrayView bytes) {
    switch (kodierungErkennen(bytes)) {
    case Kodierung::Utf16LE:
        return ausUtf16(QStringDecoder::Utf16LE, bytes.sliced(BomUtf16LE.size()));
    case Kodierung::Utf16BE:
        return ausUtf16(QStringDecoder::Utf16BE, bytes.sliced(BomUtf16BE.size()));
    case Kodierung::Utf8:
        return ausUtf8(bytes.startsWith(Bom) ? bytes.sliced(Bom.size()) : bytes);
    case Kodierung::Windows1252:
        break;
    }
    return ausWindows1252(bytes);
}

} // namespace vun
