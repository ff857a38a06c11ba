#pragma once

#include "game/kartenbild.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vun {

// The class at the whiteboard, split into groups that take turns: from two to six groups, each
// with a fixed colour and symbol, so that a child who cannot tell the colours apart tells the
// symbols.
inline constexpr int MinGruppen = 2;
inline constexpr int MaxGruppen = 6;
inline constexpr int MaxGruppenname = 20;

enum class Gruppensymbol { Kreis, Quadrat, Dreieck, Raute, Stern, Herz };

// Group 1 to 6: the name of its colour ("Rot", "Blau", …), the colour and the symbol.
QString gruppenfarbname(int gruppe);
Rgb gruppenfarbe(int gruppe);
Gruppensymbol gruppensymbol(int gruppe);
// A group's name as the teacher typed it: without blanks around it and at most MaxGruppenname
// characters; nothing typed gives the colour's name.
QString gruppennameBereinigen(const QString& name, int gruppe);

struct Gruppe {
    int nummer = 0; // 1 to 6: its colour and symbol
    QString name;
    int paare = 0; // found in this game
};

// Whose turn it is and what each group holds. Off, the game has one player, as it always had.
class Gruppenspiel {
public:
    Gruppenspiel() = default;
    // Groups 1 to namen.size() (MinGruppen to MaxGruppen) by those names, cleaned; group 1 begins
    // the first game. nachJedemZug: the turn passes after every turn, pair or not.
    Gruppenspiel(const QStringList& namen, bool nachJedemZug);

    bool aktiv() const { return !gruppen_.isEmpty(); }
    const QList<Gruppe>& gruppen() const { return gruppen_; }
    // The group whose turn it is, 1 to gruppen().size(); 0 while off.
    int dran() const { return dran_; }
    const Gruppe& gruppe(int nummer) const { return gruppen_.at(nummer - 1); }
    bool nachJedemZug() const { return nachJedemZug_; }

    // A new deal: nobody holds a pair; the first game begins with group 1, every later one with
    // the group after the one that began the last.
    void neuesSpiel();
    // A turn of two different cards ended, a pair or not: a pair counts for the group whose turn
    // it is. True where the turn passed to the next group.
    bool zugBeendet(bool paar);

    // "Blau ist dran"
    QString dranText() const;
    // "Rot 2 · Blau 1 · Gelb 0", in the groups' order.
    QString standText() const;
    // The win box's lines (without their CRs): the winner or the draw, then every group by
    // pairs, most first, groups of equal pairs in their order.
    QStringList gewinnZeilen() const;

private:
    QList<Gruppe> gruppen_;
    int dran_ = 0;
    int beginner_ = 0; // who began this game; 0 before the first
    bool nachJedemZug_ = false;
};

} // namespace vun
