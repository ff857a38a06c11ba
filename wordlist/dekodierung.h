#pragma once

#include <QByteArrayView>
#include <QString>

namespace vun {

// How the bytes of a word-list file are turned into text.
enum class Kodierung {
    Windows1252, // the lists teachers have always written: one byte per character
    Utf8,        // lists saved by today's editors
    Utf16LE,     // Windows Notepad's "Unicode"
    Utf16BE,
};

// The byte-order marks editors put at the start of a file.
inline constexpr QByteArrayView Bom("\xEF\xBB\xBF", 3);
inline constexpr QByteArrayView BomUtf16LE("\xFF\xFE", 2);
inline constexpr QByteArrayView BomUtf16BE("\xFE\xFF", 2);

// The encoding of a whole file's bytes: UTF-16 or UTF-8 when they begin with that byte-order
// mark; UTF-8 when they are well-formed UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF, no sequence cut short) with at least one multi-byte character; otherwise
// Windows-1252. Plain ASCII reads the same either way, and an old list almost never happens to be
// valid UTF-8. UTF-16 without a mark is not guessed: every editor that writes it sets one.
Kodierung kodierungErkennen(QByteArrayView bytes);

// Windows-1252: every one of the 256 bytes gives one character, so nothing is lost and nothing
// fails. The five bytes the code page leaves undefined become the control characters of the
// same number, as Windows itself reads them.
QString ausWindows1252(QByteArrayView bytes);

// UTF-8, taken exactly: a byte-order mark inside the bytes stays a character, and a malformed
// sequence (possible only after a byte-order mark promised UTF-8) becomes U+FFFD.
QString ausUtf8(QByteArrayView bytes);

// The whole file as text in its encoding, a leading byte-order mark removed.
QString textAusBytes(QByteArrayView bytes);

} // namespace vun
