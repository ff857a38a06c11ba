#pragma once

// Where an AAC track's samples lie in an .m4a file, from the track's sample tables, so its decoder
// reads them one at a time and never more than the file holds.
#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <optional>

class QIODevice;

namespace vun::ton {

// No sound of a minute has more samples, nor an AAC frame a larger one.
constexpr qsizetype MaxProben = 100'000;
constexpr qint64 MaxProbe = 64 * 1024;

// One sample (an AAC frame): where it begins in the file and how many bytes it has.
struct Mp4Probe {
    qint64 stelle = 0;
    qint64 groesse = 0;
};

// The first sound track: its decoder's configuration (the AudioSpecificConfig) and its samples
// in the order they play, each lying whole in the file.
struct Mp4Spur {
    QByteArray konfiguration;
    QList<Mp4Probe> proben;
};

// Nothing where the file is not whole, its first sound track holds no AAC, a table contradicts
// another or the file, or the track is beyond the limits above.
std::optional<Mp4Spur> mp4Proben(QIODevice& datei);

} // namespace vun::ton
