#include "game/spielstand.h"

namespace vun {

int Spielstand::wert(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    int vorzeichen = 1;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        vorzeichen = text.at(i) == QLatin1Char('-') ? -1 : 1;
        ++i;
    }
    long long zahl = 0;
    // Card numbers are small; the cap only keeps a stray long digit run from overflowing.
    for (; i < text.size() && text.at(i).isDigit() && zahl < 1000000000; ++i)
        zahl = zahl * 10 + text.at(i).digitValue();
    return static_cast<int>(vorzeichen * zahl);
}

QString Spielstand::text(int zahl) {
    return QString::number(zahl);
}

QString Spielstand::textMitVorzeichen(int zahl) {
    return zahl < 0 ? QString::number(zahl) : QLatin1Char(' ') + QString::number(zahl);
}

bool Spielstand::imSpiel(int karte) const {
    // A position beyond the mask reads as no character at all, which is not "0".
    return karte < 1 || karte > Restmaske.size() || Restmaske.at(karte - 1) != QLatin1Char('0');
}

void Spielstand::gefundenMarkieren(int karte) {
    if (karte >= 1 && karte <= Restmaske.size())
        Restmaske[karte - 1] = QLatin1Char('0');
}

bool Spielstand::alleGefunden() const {
    return Restmaske == QString(Kartenzahl, QLatin1Char('0'));
}

void Spielstand::RundeStarten() {
    Restmaske = QString(Kartenzahl, QLatin1Char('1'));
}

} // namespace vun
