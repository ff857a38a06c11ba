#pragma once

#include "wordlist/wortliste.h"

#include <QDir>
#include <QString>

namespace vun {

class Dialoge;

// Start-up: fills liste2 from the start-up list, or tells the player and takes the built-in list.
void ListeLaden(Wortliste& liste2, Dialoge& dialoge, const QDir& ordner);

// A file chosen by the player (name without folder): fills liste2 from it, or tells the player
// and takes the built-in list. The previous list is never kept.
void DateiEinlesen(const QString& name, Wortliste& liste2, Dialoge& dialoge, const QDir& ordner);

} // namespace vun
