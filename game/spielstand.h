#pragma once

#include "wordlist/brett.h"

#include <array>

namespace vun {

// The board state between two clicks. Card numbers are 1 to Kartenzahl, 0 for none.
struct Spielstand {
    using Maske = std::array<bool, Kartenzahl>;

    bool Gestartet = false; // while a round runs
    // Entry i-1 for card i: still to be found in this round. Before the first round no card is
    // found yet.
    Maske Restmaske = alleImSpiel();
    int ErstesFeld = 0;  // first open card of the turn
    int ZweitesFeld = 0; // second open card of the turn
    int KlickFeld = 0;   // the card of the click being evaluated

    // Cards outside the board count as still in play.
    bool imSpiel(int karte) const;
    void gefundenMarkieren(int karte);
    bool alleGefunden() const;
    void RundeStarten() { Restmaske = alleImSpiel(); }

    static constexpr Maske alleImSpiel() {
        Maske maske{};
        maske.fill(true);
        return maske;
    }
};

} // namespace vun
