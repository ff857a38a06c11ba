#pragma once

#include <QString>

namespace vun {

// Number of cards on the board; cards are numbered 1 to Kartenzahl.
inline constexpr int Kartenzahl = 18;

// The board state between two clicks, as five short texts. Numbers are parsed from their
// text whenever they are read, so " 7" and "7" mean the same card.
struct Spielstand {
    QString Gestartet = QStringLiteral("0"); // "1" while a round runs
    QString Restmaske;                       // 18 x "0"/"1": character i belongs to card i
    QString ErstesFeld;                      // first open card of the turn, "0" for none
    QString ZweitesFeld;                     // second open card of the turn, "0" for none
    QString KlickFeld;                       // the card of the click being evaluated

    // Leading blanks skipped, then the number at the start of the text; no number gives 0.
    static int wert(const QString& text);
    // Bare decimal digits: "7", "12", "0".
    static QString text(int zahl);
    // Decimal digits behind one place for the sign, blank when not negative: " 7".
    static QString textMitVorzeichen(int zahl);

    bool imSpiel(int karte) const;
    void gefundenMarkieren(int karte);
    bool alleGefunden() const;
    void RundeStarten();
};

} // namespace vun
