// The looks of whole groups of cards, and the end of a game.
#include "game/memo.h"

#include "seams/dialoge.h"

namespace vun {

void Memo::PaarMarkieren() {
    const int a = spielstand_.ErstesFeld;
    const int b = spielstand_.ZweitesFeld;
    const Rgb gefunden = QBColor(GefundenFarbnummer);
    for (int k = 1; k <= kartenzahl(); ++k)
        if (k == a || k == b)
            setzeHintergrund(k, gefunden);
    for (int k = 1; k <= kartenzahl(); ++k)
        if (k == a || k == b)
            setzeKursiv(k, true);
    // Still the finder's turn: the turn passes only after the pair is marked.
    for (int k = 1; k <= kartenzahl(); ++k)
        if (k == a || k == b)
            setzeFinder(k, gruppenspiel_.dran());
    spielstand_.ErstesFeld = 0;
    spielstand_.ZweitesFeld = 0;
}

// Every place a board can have, so that a board dealt larger later starts on cleared cards.
void Memo::FelderLeeren() {
    const Rgb verdeckt = QBColor(VerdecktFarbnummer);
    for (int k = 1; k <= Kartenzahl; ++k)
        setzeHintergrund(k, verdeckt);
    for (int k = 1; k <= Kartenzahl; ++k)
        setzeBeschriftung(k, {});
    for (int k = 1; k <= Kartenzahl; ++k)
        setzeKursiv(k, false);
    for (int k = 1; k <= Kartenzahl; ++k)
        setzeFinder(k, 0);
    spielstand_.Gestartet = false;
}

void Memo::SpielGewonnen() {
    const QString meldung = gruppenspiel_.aktiv() ? gruppenspiel_.gewinnZeilen().join(CR)
                                                  : QStringLiteral("Prima, du hast es geschafft!");
    emit gewinnmeldung(meldung);
    dialoge_.MsgBox(meldung + CR, NurOk, QStringLiteral("Memory"));
    FelderLeeren();
    KartenMischen();
}

} // namespace vun
