#pragma once

#include "seams/klangleser.h"
#include "wordlist/listendatei.h"

#include <QDir>
#include <QList>
#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace vun {

// The longest sound a card plays: a file of at most 32 MiB that plays at most a minute. A word
// said or a noise takes seconds; a longer file is a piece of music or a recording left running.
inline constexpr qint64 MaxKlangdatei = 32 * 1024 * 1024;
inline constexpr qint64 MaxKlangdauer = 60'000; // milliseconds

// Whether the text ends in a sound file's ending (.ogg .oga .opus .wav .mp3 .m4a .flac, letter
// case ignored) with a name before it.
bool istKlangname(QStringView text);

// The sound a text names, and what it is joined with: "Hund + hund.m4a" is the word "Hund" with
// the sound "hund.m4a", "bellen.ogg + hund.jpg" the picture with the sound, "trommel.wav" the
// sound alone (rest empty). A "+" with a blank or tab on each side joins only where a sound's
// name stands on one side of it and none on the other, so "2 + 3" stays a text; the sound is
// looked for at the end first. Where the text names no sound, klang is empty and rest the text.
struct Klangteile {
    QStringView rest;
    QStringView klang;
};
Klangteile klangAbtrennen(QStringView text);

// A sound a list names: the entry's line, the name as written, and the file it resolves to.
using Klangstelle = Dateistelle;

// Why a sound of a list cannot be played.
enum class Klangfehler {
    Fehlt,      // no file of that name
    Ordner,     // a folder of that name
    KeinKlang,  // empty, cut off, another format, no regular file, or not to be read
    ZuGross,    // more bytes than MaxKlangdatei
    ZuLang,     // plays longer than MaxKlangdauer
    Ausserhalb, // an absolute path, ".." leading out, or a link whose target lies outside
};

// A sound of a list that cannot be played: its line, the reason, and the name as written.
struct FehlerhafterKlang {
    int nummer = 0;
    Klangfehler grund = Klangfehler::Fehlt;
    QString name;
    // For ZuLang: how long it plays, in milliseconds.
    qint64 dauer = -1;
    // For Fehlt: the name as written with its file's name in the letter case of a file that is
    // there; empty where none is.
    QString vorschlag = {};
    bool operator==(const FehlerhafterKlang&) const = default;
};

using Klangpruefung = Dateipruefung<FehlerhafterKlang>;

// Checks every sound a list names as bilderPruefen checks pictures (the same rules of the
// folder, each file once), the reader telling from its headers whether it plays and how long.
Klangpruefung klaengePruefen(const QList<Klangstelle>& klaenge, const QDir& ordner,
                             const Klangleser& leser, int hoechstens);

} // namespace vun
