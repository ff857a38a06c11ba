#pragma once

#include "wordlist/brett.h"
#include "wordlist/karteninhalt.h"
#include "wordlist/wortliste.h"

#include <QList>
#include <QtGlobal>
#include <array>

namespace vun {

class Zufallsquelle;

// A card of a deal, an entry of Liste1: what it shows, and the number of its pair, 1 to the
// number of pairs, the same on both cards of the pair and on no other card.
struct Spielkarte {
    Karteninhalt inhalt;
    int paar = 0;
    friend bool operator==(const Spielkarte&, const Spielkarte&) = default;
};

// Slots of the deal's two working tables, numbered from 0: slot 0 holds a word list's candidate
// while it is compared, slots 1 to Kartenzahl the cards.
inline constexpr int Tabellenplaetze = 1 + Kartenzahl;

// The deal's two working tables. They keep their contents from one deal to the next; a deal
// writes every slot it reads before reading it.
struct Modul1 {
    std::array<qint16, Tabellenplaetze> Kartenplatz{};
    std::array<Karteninhalt, Tabellenplaetze> Kartenwort;
};

// Deals `paare` (at most Paarzahl) different words of liste2, each onto two cards, into liste1
// (entry i-1 is card i, 2 x paare cards). A list without as many different words could never be
// dealt from; the deal then takes the built-in words instead of drawing forever. From a pair
// list it deals as many different pairs of which no two share a content, one half on each of
// the pair's two cards. False where the pair list's count promised enough such pairs and the
// choice found none: the built-in words are dealt then, never fewer pairs.
bool KartenMischen(const Wortliste& liste2, QList<Spielkarte>& liste1, Modul1& modul1,
                   Zufallsquelle& zufall, int paare = Paarzahl);

} // namespace vun
