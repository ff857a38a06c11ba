#pragma once

#include "game/memo.h"
#include "tests/support/karten.h"

#include <array>

namespace vun::bench {

using test::partner;

// The four kinds of turn a click on a card can be.
enum Zug { ErsteKarte, UnpassendeZweite, PaarGefunden, NeuntesPaar };

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
    return zug == PaarGefunden ? partner(memo, 1) : test::andereKarte(memo, 1);
}

} // namespace vun::bench
