#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

class QIODevice;

namespace vun {

// Why a word-list file was not taken.
enum class Wortdateifehler {
    Keiner,
    Fehlt,               // no file of that name
    Ordner,              // a folder of that name
    NichtLesbar,         // no permission, or no regular file (a pipe, a device)
    Lesefehler,          // opened, but could not be read to its end
    ZuGross,             // larger than any word list can be
    ZuVieleEintraege,    // more entries than the list can count
    ZuWenigEintraege,    // fewer than nine entries
    ZuWenigVerschiedene, // fewer than nine different texts: a deal could never finish
    ZuWenigPaare,        // a pair list of fewer than nine different pairs
    ZuWenigFreiePaare,   // a pair list without nine pairs that share no text with each other
    KeinePaarzeilen,     // mostly pairs, but some lines are none
    NichtZuMischen,      // judged playable, yet the deal found no nine pairs that share no text
    FehlerhafteBilder,   // without the lines whose pictures cannot be shown, too little is left
    FehlerhafteKlaenge,  // without the lines whose sounds cannot be played, too little is left
};

// No file of at most 32767 entries that a person would write comes near this size (that would
// be 512 bytes per word); a larger one is refused before it fills the memory.
inline constexpr qint64 MaxDateigroesse = 16 * 1024 * 1024;

// Reads a regular file whole, in one pass. Stops as soon as it is certain the file cannot be a
// valid list (too large, or more than maxEintraege entries, a byte-order mark's line allowed
// for), so neither a huge file nor an endless one is taken into memory. The file is closed
// again whatever happens.
std::optional<QByteArray> dateiBytesLesen(const QString& pfad, int maxEintraege,
                                          Wortdateifehler& fehler);

// What dateiBytesLesen does once the file is open: reads the device to its end, or stops early
// as that does. groesse is the size the device announces, which only sizes the buffer.
std::optional<QByteArray> bytesLesen(QIODevice& quelle, qint64 groesse, int maxEintraege,
                                     Wortdateifehler& fehler);

} // namespace vun
