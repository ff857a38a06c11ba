#include "game/gruppen.h"

#include <QtGlobal>
#include <algorithm>
#include <array>

namespace vun {

namespace {

struct Gruppenart {
    const char16_t* name;
    Rgb farbe;
    Gruppensymbol symbol;
};

// Each near a plain colour of its name, and chosen so that any two stay at least 15 apart
// (CIEDE2000) also as someone with protanopia, deuteranopia or tritanopia sees them (simulated
// after Machado, Oliveira and Fernandes); the symbols tell apart what a child still confuses.
constexpr std::array<Gruppenart, MaxGruppen> Arten{{
    {u"Rot", {174, 25, 20}, Gruppensymbol::Kreis},
    {u"Blau", {0, 38, 255}, Gruppensymbol::Quadrat},
    {u"Gelb", {255, 252, 23}, Gruppensymbol::Dreieck},
    {u"Grün", {58, 149, 95}, Gruppensymbol::Raute},
    {u"Lila", {154, 25, 138}, Gruppensymbol::Stern},
    {u"Orange", {232, 157, 40}, Gruppensymbol::Herz},
}};

const Gruppenart& art(int gruppe) {
    return Arten.at(std::clamp(gruppe, 1, MaxGruppen) - 1);
}

QString paare(int anzahl) {
    return anzahl == 1 ? QStringLiteral("1 Paar") : QStringLiteral("%1 Paaren").arg(anzahl);
}

// "Rot", "Rot und Blau", "Rot, Blau und Gelb"
QString aufzaehlung(const QStringList& namen) {
    if (namen.size() < 2)
        return namen.value(0);
    return namen.sliced(0, namen.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") +
           namen.last();
}

} // namespace

QString gruppenfarbname(int gruppe) {
    return QString::fromUtf16(art(gruppe).name);
}

Rgb gruppenfarbe(int gruppe) {
    return art(gruppe).farbe;
}

Gruppensymbol gruppensymbol(int gruppe) {
    return art(gruppe).symbol;
}

QString gruppennameBereinigen(const QString& name, int gruppe) {
    QString sauber = name.simplified();
    // A name cut between the two halves of a character would show a stray half.
    int laenge = std::min<int>(sauber.size(), MaxGruppenname);
    if (laenge < sauber.size() && sauber.at(laenge).isLowSurrogate())
        --laenge;
    sauber.truncate(laenge);
    sauber = sauber.trimmed();
    return sauber.isEmpty() ? gruppenfarbname(gruppe) : sauber;
}

Gruppenspiel::Gruppenspiel(const QStringList& namen, bool nachJedemZug)
    : nachJedemZug_(nachJedemZug) {
    const int anzahl = std::clamp<int>(namen.size(), MinGruppen, MaxGruppen);
    for (int k = 1; k <= anzahl; ++k)
        gruppen_.append({k, gruppennameBereinigen(namen.value(k - 1), k), 0});
    dran_ = 1;
}

void Gruppenspiel::neuesSpiel() {
    if (!aktiv())
        return;
    for (Gruppe& gruppe : gruppen_)
        gruppe.paare = 0;
    beginner_ = beginner_ == 0 ? 1 : beginner_ % gruppen_.size() + 1;
    dran_ = beginner_;
}

bool Gruppenspiel::zugBeendet(bool paar) {
    if (!aktiv())
        return false;
    if (paar)
        ++gruppen_[dran_ - 1].paare;
    if (paar && !nachJedemZug_)
        return false;
    dran_ = dran_ % gruppen_.size() + 1;
    return true;
}

QString Gruppenspiel::dranText() const {
    return aktiv() ? QStringLiteral("%1 ist dran").arg(gruppe(dran_).name) : QString();
}

QString Gruppenspiel::standText() const {
    QStringList teile;
    for (const Gruppe& gruppe : gruppen_)
        teile.append(QStringLiteral("%1 %2").arg(gruppe.name).arg(gruppe.paare));
    return teile.join(QStringLiteral(" · "));
}

QStringList Gruppenspiel::gewinnZeilen() const {
    if (!aktiv())
        return {};
    QList<Gruppe> rangfolge = gruppen_;
    std::stable_sort(rangfolge.begin(), rangfolge.end(),
                     [](const Gruppe& a, const Gruppe& b) { return a.paare > b.paare; });
    const int meiste = rangfolge.first().paare;
    QStringList beste;
    for (const Gruppe& gruppe : rangfolge)
        if (gruppe.paare == meiste)
            beste.append(gruppe.name);
    QStringList zeilen;
    if (beste.size() == 1)
        zeilen.append(QStringLiteral("%1 gewinnt mit %2!").arg(beste.first(), paare(meiste)));
    else
        zeilen.append(
            QStringLiteral("Unentschieden: %1 mit je %2!").arg(aufzaehlung(beste), paare(meiste)));
    for (const Gruppe& gruppe : rangfolge)
        zeilen.append(
            QStringLiteral("%1: %2 %3")
                .arg(gruppe.name)
                .arg(gruppe.paare)
                .arg(gruppe.paare == 1 ? QStringLiteral("Paar") : QStringLiteral("Paare")));
    return zeilen;
}

} // namespace vun
