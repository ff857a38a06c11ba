// Evaluating the clicks on the cards.
#include "game/memo.h"

namespace vun {

void Memo::Bezeichnung_Click(int karte) {
    if (karte < 1 || karte > kartenzahl())
        return;
    spielstand_.KlickFeld = karte;
    FeldGeklickt();
}

void Memo::FeldGeklickt() {
    Spielstand& s = spielstand_;
    if (!s.Gestartet) {
        s.RundeStarten(kartenzahl());
        s.Gestartet = true;
        s.ErstesFeld = 0;
        s.ZweitesFeld = 0;
    }
    if (!s.imSpiel(s.KlickFeld)) {
        emit angetippt(s.KlickFeld);
        return;
    }
    if (s.ErstesFeld > 0 && s.ZweitesFeld > 0)
        PaarZudecken();

    const int c = s.KlickFeld;
    const int e = s.ErstesFeld;
    const Kartenbild vorher = karte(c);
    setzeBeschriftung(c, liste1_.at(c - 1).inhalt);
    if (karte(c) != vorher)
        emit aufgedeckt(c);
    else
        emit angetippt(c);
    if (e == 0) {
        s.ErstesFeld = c;
        return;
    }
    s.ZweitesFeld = c;
    if (c == e) {
        s.ZweitesFeld = 0;
        return;
    }
    // Two cards match when they are the two halves of one pair; from a list of words that is
    // when their words are equal.
    const bool paar = liste1_.at(e - 1).paar == liste1_.at(c - 1).paar;
    if (paar) {
        s.gefundenMarkieren(e);
        s.gefundenMarkieren(c);
        PaarMarkieren();
    }
    ZugBeenden(paar);
    if (s.alleGefunden())
        SpielGewonnen();
}

// In group play a pair counts for the group whose turn it is, and the turn passes after a miss
// (or after every turn, where the teacher chose so); the last pair ends the game instead.
void Memo::ZugBeenden(bool paar) {
    if (!gruppenspiel_.aktiv())
        return;
    const bool gewechselt = gruppenspiel_.zugBeendet(paar);
    emit gruppenGeaendert();
    if (gewechselt && !spielstand_.alleGefunden())
        emit zugGewechselt(gruppenspiel_.dran());
}

void Memo::PaarZudecken() {
    const int e = spielstand_.ErstesFeld;
    const int z = spielstand_.ZweitesFeld;
    for (int i = 1; i <= kartenzahl(); ++i)
        if (i == e || i == z)
            setzeBeschriftung(i, {});
    spielstand_.ErstesFeld = 0;
    spielstand_.ZweitesFeld = 0;
}

} // namespace vun
