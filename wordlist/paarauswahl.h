#pragma once

#include "wordlist/brett.h"
#include "wordlist/karteninhalt.h"

#include <QList>

namespace vun {

// The largest number of pairs of the list that share no content with each other, counted up to
// gesucht: how many pairs the board can show at once without two equal cards that do not belong
// together.
int paareOhneGemeinsamenText(const QList<Kartenpaar>& paare, int gesucht = Paarzahl);

} // namespace vun
