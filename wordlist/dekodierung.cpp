#include "wordlist/dekodierung.h"

#include <QStringDecoder>
#include <QUtf8StringView>
#include <algorithm>

namespace vun {

Kodierung kodierungErkennen(QByteArrayView bytes) {
    if (bytes.startsWith(Bom))
        return Kodierung::Utf8;
    const bool mehrbytig =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; });
    return mehrbytig && QUtf8StringView(bytes.data(), bytes.size()).isValidUtf8()
               ? Kodierung::Utf8
               : Kodierung::Windows1252;
}

QString ausWindows1252(QByteArrayView bytes) {
    // Qt reaches the code page through ICU, whose table maps all 256 bytes.
    QStringDecoder dekoder("windows-1252", QStringDecoder::Flag::Stateless);
    return dekoder.decode(bytes);
}

QString ausUtf8(QByteArrayView bytes) {
    // QString::fromUtf8 would drop a leading byte-order mark; an entry keeps every character.
    QStringDecoder dekoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return dekoder.decode(bytes);
}

QString textAusBytes(QByteArrayView bytes) {
    if (kodierungErkennen(bytes) == Kodierung::Windows1252)
        return ausWindows1252(bytes);
    return ausUtf8(bytes.startsWith(Bom) ? bytes.sliced(Bom.size()) : bytes);
}

} // namespace vun
