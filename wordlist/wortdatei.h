#pragma once

#include "wortliste.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <optional>

namespace vun {

class Dialoge;

// The entries of a word-list file's bytes: every non-empty line, exactly as written.
QStringList zeilenAusBytes(const QByteArray& bytes);

// Reads a word-list file. Returns its entries when the file could be read to its end and is
// valid (at least nine entries, nine different texts, at most Wortliste::MaxEintraege entries);
// otherwise nothing.
std::optional<QStringList> gueltigeWortdatei(const QString& pfad);

// Start-up: fills liste2 from VUNMEMO.TXT in the folder, or tells the player and takes the
// built-in list.
void ListeLaden(Wortliste& liste2, Dialoge& dialoge, const QDir& ordner);

// A file chosen by the player (name without folder): fills liste2 from it, or tells the player
// and takes the built-in list.
void DateiEinlesen(const QString& name, Wortliste& liste2, Dialoge& dialoge, const QDir& ordner);

// The word-list files of the folder: regular files matching *.TXT, letter case ignored,
// sorted alphabetically with letter case ignored.
QStringList wortlistenDateien(const QDir& ordner);

} // namespace vun
