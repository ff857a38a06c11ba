#pragma once

#include "game/memo.h"

#include <QList>

namespace vun::test {

// The looks of a card as the game names them: covered after the first clearing, and found.
inline const Rgb Verdeckt = QBColor(VerdecktFarbnummer);
inline const Rgb Gefunden = QBColor(GefundenFarbnummer);

// The other card of the same pair (with the same word, on a list of words); 0 when there is none.
inline int partner(const Memo& memo, int karte) {
    const QStringList& paare = memo.paarkennungen();
    for (int k = 1; k <= Kartenzahl; ++k)
        if (k != karte && paare.at(k - 1) == paare.at(karte - 1))
            return k;
    return 0;
}

// A card in play of another pair than the given card's; 0 when there is none.
inline int andereKarte(const Memo& memo, int karte, const QList<int>& ausser = {}) {
    const QStringList& paare = memo.paarkennungen();
    for (int k = 1; k <= Kartenzahl; ++k)
        if (paare.at(k - 1) != paare.at(karte - 1) && memo.spielstand().imSpiel(k) &&
            !ausser.contains(k))
            return k;
    return 0;
}

} // namespace vun::test
