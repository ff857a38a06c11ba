#pragma once

#include "seams/brett.h"
#include "wordlist/wortliste.h"

#include <QStringList>
#include <QtGlobal>
#include <array>

namespace vun {

class Zufallsquelle;

// The deal's two working tables, slots 0 to Tabellenplaetze - 1. They keep their contents from one
// deal to the next; a deal writes every slot it reads before reading it.
struct Modul1 {
    std::array<qint16, Tabellenplaetze> Kartenplatz{};
    std::array<QString, Tabellenplaetze> Kartenwort;
};

// Deals nine different words of liste2, each onto two of the 18 cards, into liste1
// (entry i-1 is the word of card i). A list without nine different texts could never be
// dealt from; the deal then takes the nine built-in words instead of drawing forever.
// From a pair list it deals nine different pairs of which no two share a text, one half on
// each of the pair's two cards. paarkennungen tells which pair lies on each card: entry i-1 is
// the entry of the list that card i was dealt from, the same on both cards of a pair; for a
// list of words that is the card's word itself. False where the pair list's count promised nine
// such pairs and the choice found none: the built-in words are dealt then, never fewer pairs.
bool KartenMischen(const Wortliste& liste2, QStringList& liste1, QStringList& paarkennungen,
                   Modul1& modul1, Zufallsquelle& zufall);

} // namespace vun
