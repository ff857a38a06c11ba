#pragma once

#include "wordlist/wortdatei.h"
#include "wordlist/wortliste.h"

#include <QDir>
#include <QString>

namespace vun {

class Dialoge;

// Start-up: fills liste2 from the start-up list, or tells the player and takes the built-in list.
// Returns the name of the file now played, or the empty text for the built-in list. The list's
// pictures and sounds are checked through pruefer; where lines are left out for theirs, one box
// says so before the list is played. The list must hold `paare` different words or pairs.
QString ListeLaden(Wortliste& liste2, Dialoge& dialoge, Listenpruefer pruefer, const QDir& ordner,
                   int paare = Paarzahl);

// A file chosen by the player (a name in the folder, or a path): fills liste2 from it, or tells
// the player and takes the built-in list. The previous list is never kept. Returns the name as
// ListeLaden does.
QString DateiEinlesen(const QString& name, Wortliste& liste2, Dialoge& dialoge,
                      Listenpruefer pruefer, const QDir& ordner, int paare = Paarzahl);

// A list that was read but cannot be dealt: tells the player as a faulty start-up list is told,
// with the reason in the details, and takes the built-in list. name: the list's file.
void listeVerwerfen(const QString& name, Wortliste& liste2, Dialoge& dialoge, int paare = Paarzahl);

// A list read for fewer pairs that holds fewer than `paare` different words or pairs: told and
// replaced as listeVerwerfen does, the reason naming the number.
void listeZuKurz(const QString& name, Wortliste& liste2, int paare, Dialoge& dialoge);

} // namespace vun
