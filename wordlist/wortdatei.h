#pragma once

#include "wordlist/dateilesen.h"
#include "wordlist/wortliste.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <optional>

namespace vun {

// The entries of a word-list file's bytes: every non-empty line, exactly as written (blanks at
// either end and letter case kept). A line ends at CR LF, at CR or at a lone LF; the text is
// Windows-1252, or UTF-8 where the bytes show it (see kodierungErkennen).
QStringList zeilenAusBytes(const QByteArray& bytes);

// Whether entries make a usable list: at least nine, at most Wortliste::MaxEintraege, and at
// least nine different texts.
Wortdateifehler eintraegePruefen(const QStringList& eintraege);

// A word-list file read and judged: its entries when fehler is Keiner, otherwise no entries.
struct Wortdatei {
    QStringList eintraege;
    Wortdateifehler fehler = Wortdateifehler::Keiner;
};
Wortdatei wortdateiLesen(const QString& pfad);

// The entries of a valid word-list file; nothing when it is faulty for any reason.
std::optional<QStringList> gueltigeWortdatei(const QString& pfad);

// The start-up list's file in the folder: VUNMEMO.TXT, or where no regular file has exactly that
// name, one whose name differs only in letter case (vunmemo.txt, as a list copied from Windows
// may be called on Linux).
QString startdateiPfad(const QDir& ordner);

// The word-list files of the folder: regular files matching *.TXT with letter case ignored, no
// folders, hidden files or broken links, sorted alphabetically with letter case ignored.
QStringList wortlistenDateien(const QDir& ordner);

} // namespace vun
