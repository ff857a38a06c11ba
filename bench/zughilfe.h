#pragma once

#include "game/memo.h"

#include <array>

namespace vun::bench {

// The four kinds of turn a click on a card can be.
enum Zug { ErsteKarte, UnpassendeZweite, PaarGefunden, NeuntesPaar };

// The other card with the same word.
inline int partner(const Memo& memo, int karte) {
    for (int k = 1; k <= Kartenzahl; ++k)
        if (k != karte && memo.liste1().at(k - 1) == memo.liste1().at(karte - 1))
            return k;
    return 0;
}

// Some card with a different word.
inline int anderesWort(const Memo& memo, int karte) {
    for (int k = 1; k <= Kartenzahl; ++k)
        if (memo.liste1().at(k - 1) != memo.liste1().at(karte - 1))
            return k;
    return 0;
}

// Brings the board to the state right before the measured click; returns the card to click.
inline int vorbereiten(Memo& memo, Zug zug) {
    memo.Bild4_Click(); // a new game: the dialogs must not answer No
    if (zug == ErsteKarte)
        return 1;
    if (zug == NeuntesPaar) {
        // Found pairs are noted here: until the first click starts the round, the board state
        // still holds the previous round's.
        std::array<bool, Kartenzahl> gefunden{};
        for (int k = 1; k < Kartenzahl; ++k) {
            const int p = partner(memo, k);
            if (gefunden.at(k - 1) || p == Kartenzahl)
                continue;
            memo.Bezeichnung_Click(k);
            memo.Bezeichnung_Click(p);
            gefunden.at(k - 1) = gefunden.at(p - 1) = true;
        }
        memo.Bezeichnung_Click(Kartenzahl);
        return partner(memo, Kartenzahl);
    }
    memo.Bezeichnung_Click(1);
    return zug == PaarGefunden ? partner(memo, 1) : anderesWort(memo, 1);
}

} // namespace vun::bench
