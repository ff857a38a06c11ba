#pragma once

#include "wordlist/brett.h"

#include <QList>

namespace vun {

// The board state between two clicks. Card numbers are 1 to the board's number of cards, 0 for
// none.
struct Spielstand {
    using Maske = QList<bool>;

    bool Gestartet = false; // while a round runs
    // Entry i-1 for card i: still to be found in this round, one entry for each card of the
    // board. Before the first round no card is found yet.
    Maske Restmaske = alleImSpiel(Kartenzahl);
    int ErstesFeld = 0;  // first open card of the turn
    int ZweitesFeld = 0; // second open card of the turn
    int KlickFeld = 0;   // the card of the click being evaluated

    // Cards outside the board count as still in play.
    bool imSpiel(int karte) const;
    void gefundenMarkieren(int karte);
    bool alleGefunden() const;
    void RundeStarten(int karten) { Restmaske = alleImSpiel(karten); }

    static Maske alleImSpiel(int karten) { return Maske(karten, true); }
};

} // namespace vun
