#pragma once

#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace vun {

class Bildleser;

// An entry, or a half of a pair line, that ends in a picture's file ending (letter case
// ignored) names a picture instead of a word: a file in the list's folder or below it.
bool istBildeintrag(QStringView eintrag);

// The pictures an entry names, as written: the picture halves of a pair line, else the whole
// entry where it is a picture; none for words.
QList<QStringView> bildstellen(QStringView eintrag);

// The list's picture entries and picture halves written as their file's absolute, cleaned
// path, so that two entries naming one file are one text for every rule of the list and the
// deal, and whoever draws or prints a card finds its file without knowing the list's folder.
// "\" separates folders as "/" does (a list written on Windows). Words and pair lines without
// pictures stay exactly as they are, and so does a picture whose path would hold an "=" (a
// folder named so), which bilderPruefen refuses: the path would split the line anew.
void bilderAufloesen(QStringList& eintraege, const QDir& ordner);

// Why a picture of a list cannot be shown.
enum class Bildfehler {
    Fehlt,              // no file of that name
    Ordner,             // a folder of that name
    KeinBild,           // empty, cut off, another format, no regular file, or not to be read
    ZuGross,            // more bytes or pixels than a card shows (seams/bildleser.h)
    Ausserhalb,         // an absolute path, ".." leading out, or a link whose target lies outside
    Gleichheitszeichen, // its path holds an "=", which would split the pair line anew
};

// A picture of a list that cannot be shown: its line, the reason, and the name as written.
struct FehlerhaftesBild {
    int nummer = 0;
    Bildfehler grund = Bildfehler::Fehlt;
    QString name;
    bool operator==(const FehlerhaftesBild&) const = default;
};

// The list's faulty pictures: the first few (at most hoechstens), and how many in all.
struct Bildpruefung {
    QList<FehlerhaftesBild> erste;
    int gesamt = 0;
};

// Checks every picture the entries name, as they are written (before bilderAufloesen): the name
// must lead to a regular file inside the list's folder, links followed to their real target,
// of at most MaxBilddatei bytes, which the reader finds a whole picture within the size limits.
// Nothing outside the folder is opened, nor anything but a regular file, so neither a link to a
// device nor a named pipe is read or blocks; a file named twice is checked once.
// zeilennummern gives each entry's line; without them entry i is line i + 1.
Bildpruefung bilderPruefen(const QStringList& eintraege, const QList<int>& zeilennummern,
                           const QDir& ordner, const Bildleser& leser, int hoechstens);

} // namespace vun
