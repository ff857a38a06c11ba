// Evaluating the clicks on the cards.
#include "game/memo.h"

namespace vun {

void Memo::Bezeichnung_Click(int karte) {
    if (karte < 1 || karte > Kartenzahl)
        return;
    spielstand_.KlickFeld = Spielstand::text(karte);
    FeldGeklickt();
}

void Memo::FeldGeklickt() {
    Spielstand& s = spielstand_;
    if (s.Gestartet == QLatin1String("0")) {
        s.RundeStarten();
        s.Gestartet = QStringLiteral("1");
        s.ErstesFeld = QStringLiteral("0");
        s.ZweitesFeld = QStringLiteral("0");
    }
    if (!s.imSpiel(Spielstand::wert(s.KlickFeld)))
        return;
    if (Spielstand::wert(s.ErstesFeld) > 0 && Spielstand::wert(s.ZweitesFeld) > 0)
        PaarZudecken();

    const int c = Spielstand::wert(s.KlickFeld);
    const int e = Spielstand::wert(s.ErstesFeld);
    setzeBeschriftung(c, wort(c));
    if (e == 0) {
        s.ErstesFeld = Spielstand::textMitVorzeichen(c);
        return;
    }
    const int z = c;
    s.ZweitesFeld = Spielstand::textMitVorzeichen(c);
    if (z == e) {
        s.ZweitesFeld = QStringLiteral("0");
        return;
    }
    // Two cards match when they are the two halves of one pair; from a list of words that is
    // when their words are equal.
    if (paarkennungen_.value(e - 1) == paarkennungen_.value(z - 1)) {
        s.gefundenMarkieren(e);
        s.gefundenMarkieren(z);
        PaarMarkieren();
    }
    if (s.alleGefunden())
        SpielGewonnen();
}

void Memo::PaarZudecken() {
    const int e = Spielstand::wert(spielstand_.ErstesFeld);
    const int z = Spielstand::wert(spielstand_.ZweitesFeld);
    for (int i = 1; i <= Kartenzahl; ++i)
        if (i == e || i == z)
            setzeBeschriftung(i, QString());
    spielstand_.ErstesFeld = QStringLiteral("0");
    spielstand_.ZweitesFeld = QStringLiteral("0");
}

} // namespace vun
