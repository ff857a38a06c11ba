#pragma once

#include "seams/bildleser.h"
#include "wordlist/karteninhalt.h"
#include "wordlist/listendatei.h"

#include <QDir>
#include <QList>
#include <QSize>
#include <QString>
#include <QtGlobal>

namespace vun {

// The largest picture a card shows: a file of at most 32 MiB, at most 12 000 pixels on a side
// and 50 million pixels in all (a photo of a good camera has 12 to 24 million). A larger one
// would take seconds and hundreds of megabytes to decode for a card a hand wide.
inline constexpr qint64 MaxBilddatei = 32 * 1024 * 1024;
inline constexpr int MaxBildseite = 12000;
inline constexpr qint64 MaxBildpunkte = 50'000'000;

// Whether a picture of that size in pixels is larger than a card shows.
inline bool bildZuGross(QSize groesse) {
    return groesse.width() > MaxBildseite || groesse.height() > MaxBildseite ||
           qint64(groesse.width()) * groesse.height() > MaxBildpunkte;
}

// A card's content as a list writes it: a sound joined by " + " to a word or a picture, or
// alone, where the text names a sound file (see klangAbtrennen); a picture where the text ends in
// a picture's file ending (letter case ignored), a file in the list's folder or below it; else a
// word exactly as written. ordner is the folder's absolute path; "\" separates folders as "/"
// does (a list written on Windows). Nothing on disk is looked at.
Karteninhalt inhaltLesen(QString geschrieben, const QString& ordner);

// A content as inhaltLesen reads it, with the names of its picture and its sound as written.
struct GelesenerInhalt {
    Karteninhalt inhalt;
    QString bildname;
    QString klangname;
};
GelesenerInhalt inhaltMitNamenLesen(QString geschrieben, const QString& ordner);

// A picture a list names: the entry's line, the name as written, and the file it resolves to.
using Bildstelle = Dateistelle;

// Why a picture of a list cannot be shown.
enum class Bildfehler {
    Fehlt,      // no file of that name
    Ordner,     // a folder of that name
    KeinBild,   // empty, cut off, another format, no regular file, or not to be read
    ZuGross,    // more bytes or pixels than a card shows
    Ausserhalb, // an absolute path, ".." leading out, or a link whose target lies outside
    OhneLeser,  // a photo of a format no installed reader takes (HEIC without its plugin)
};

// A picture of a list that cannot be shown: its line, the reason, and the name as written.
struct FehlerhaftesBild {
    int nummer = 0;
    Bildfehler grund = Bildfehler::Fehlt;
    QString name;
    // For OhneLeser: the photo's format.
    Fotoformat format = Fotoformat::Keines;
    // For Fehlt: the name as written, its file's name in the letter case of a file that is
    // there ("Katze.jpg" where "katze.jpg" lies beside the list); empty where none is.
    QString vorschlag = {};
    bool operator==(const FehlerhaftesBild&) const = default;
};

// The list's faulty pictures: the first few, and how many in all; and every line that names one,
// in ascending order, each once.
using Bildpruefung = Dateipruefung<FehlerhaftesBild>;

// Checks every picture a list names: the name must lead to a regular file inside the list's
// folder, links followed to their real target, of at most MaxBilddatei bytes, which the reader
// finds a whole picture within the size limits. Nothing outside the folder is opened, nor
// anything but a regular file, so neither a link to a device nor a named pipe is read or
// blocks; a file named twice is checked once. The stellen come in the order of their lines.
Bildpruefung bilderPruefen(const QList<Bildstelle>& bilder, const QDir& ordner,
                           const Bildleser& leser, int hoechstens);

} // namespace vun
