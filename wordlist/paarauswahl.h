#pragma once

#include "seams/brett.h"

#include <QStringList>

namespace vun {

// The largest number of pairs of the list that share no text with each other, counted up to
// gesucht: how many pairs the board can show at once without two equal cards that do not belong
// together. paare are pair lines, as paareVereinheitlichen writes them.
int paareOhneGemeinsamenText(const QStringList& paare, int gesucht = Paarzahl);

} // namespace vun
