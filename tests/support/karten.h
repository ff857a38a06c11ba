#pragma once

#include "game/memo.h"

#include <QList>

namespace vun::test {

// The looks of a card as the game names them: covered after the first clearing, and found.
inline const Rgb Verdeckt = QBColor(VerdecktFarbnummer);
inline const Rgb Gefunden = QBColor(GefundenFarbnummer);

// The other card of the same pair; 0 when there is none.
inline int partner(const Memo& memo, int karte) {
    const QList<Spielkarte>& liste1 = memo.liste1();
    for (int k = 1; k <= memo.kartenzahl(); ++k)
        if (k != karte && liste1.at(k - 1).paar == liste1.at(karte - 1).paar)
            return k;
    return 0;
}

// Whether the card is still to be found.
inline bool imSpiel(const Memo& memo, int karte) {
    return memo.zustand(karte) != Kartenzustand::Gefunden;
}

// The cards in that state, in ascending order.
inline QList<int> karten(const Memo& memo, Kartenzustand zustand) {
    QList<int> gesucht;
    for (int k = 1; k <= memo.kartenzahl(); ++k)
        if (memo.zustand(k) == zustand)
            gesucht.append(k);
    return gesucht;
}

// Whether a round runs: from the click that starts it until the board is cleared, a card shows
// its face.
inline bool rundeLaeuft(const Memo& memo) {
    return karten(memo, Kartenzustand::Verdeckt).size() < memo.kartenzahl();
}

// A card in play of another pair than the given card's; 0 when there is none.
inline int andereKarte(const Memo& memo, int karte, const QList<int>& ausser = {}) {
    const QList<Spielkarte>& liste1 = memo.liste1();
    for (int k = 1; k <= memo.kartenzahl(); ++k)
        if (liste1.at(k - 1).paar != liste1.at(karte - 1).paar && imSpiel(memo, k) &&
            !ausser.contains(k))
            return k;
    return 0;
}

} // namespace vun::test
