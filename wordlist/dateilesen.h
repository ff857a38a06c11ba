#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace vun {

// Why a word-list file was not taken.
enum class Wortdateifehler {
    Keiner,
    NichtGeoeffnet,      // missing, not a regular file (a folder, a pipe), or no permission
    Lesefehler,          // opened, but could not be read to its end
    ZuGross,             // larger than any word list can be
    ZuVieleEintraege,    // more entries than the list can count
    ZuWenigEintraege,    // fewer than nine entries
    ZuWenigVerschiedene, // fewer than nine different texts: a deal could never finish
    TextDoppelt,         // a pair list with one text twice: two equal cards that are no pair
};

// No file of at most 32767 entries that a person would write comes near this size (that would
// be 512 bytes per word); a larger one is refused before it fills the memory.
inline constexpr qint64 MaxDateigroesse = 16 * 1024 * 1024;

// The number of entries in the bytes: runs of bytes other than CR and LF. CR and LF are single
// bytes in both encodings a list may use, so this holds for the decoded text too.
qsizetype eintraegeZaehlen(QByteArrayView bytes);

// Reads a regular file whole, in one pass. Stops as soon as it is certain the file cannot be a
// valid list (too large, or more than maxEintraege entries, a byte-order mark's line allowed
// for), so neither a huge file nor an endless one is taken into memory. The file is closed
// again whatever happens.
std::optional<QByteArray> dateiBytesLesen(const QString& pfad, int maxEintraege,
                                          Wortdateifehler& fehler);

} // namespace vun
