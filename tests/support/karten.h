#pragma once

#include "game/memo.h"

#include <QList>

namespace vun::test {

// The other card with the same word; 0 when there is none.
inline int partner(const Memo& memo, int karte) {
    for (int k = 1; k <= Kartenzahl; ++k)
        if (k != karte && memo.liste1().at(k - 1) == memo.liste1().at(karte - 1))
            return k;
    return 0;
}

// A card in play whose word differs from the given card's; 0 when there is none.
inline int andereKarte(const Memo& memo, int karte, const QList<int>& ausser = {}) {
    for (int k = 1; k <= Kartenzahl; ++k)
        if (memo.liste1().at(k - 1) != memo.liste1().at(karte - 1) &&
            memo.spielstand().imSpiel(k) && !ausser.contains(k))
            return k;
    return 0;
}

} // namespace vun::test
