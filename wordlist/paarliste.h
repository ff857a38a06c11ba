#pragma once

#include "wordlist/dateilesen.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>

namespace vun {

// Between the two halves of a pair: blank, equals sign, blank.
inline constexpr QStringView Paartrenner(u" = ");

// True when the entry holds the separator exactly once, with text on both sides.
bool istPaareintrag(QStringView eintrag);

// True when there are entries and every one of them is a pair. A list with even one entry
// of another kind is an ordinary list, whatever separators its other entries hold.
bool istPaarliste(const QStringList& eintraege);

// The two halves of a pair entry, each exactly as written.
std::pair<QString, QString> haelften(QStringView paareintrag);

// Whether the pairs make a usable list: at least nine, at most Wortliste::MaxEintraege, and no
// text twice among all halves, so that two equal cards on the board always belong together.
Wortdateifehler paarePruefen(const QStringList& paareintraege);

} // namespace vun
