#pragma once

#include "game/memo.h"
#include "tests/support/karten.h"

#include <QString>

namespace vun::test {

// Checks what must hold between any two events, as far as the board shows it; returns the first
// broken rule, or nothing.
inline QString verletzteInvariante(const Memo& memo) {
    const QList<int> offen = karten(memo, Kartenzustand::Offen);
    if (offen.size() > 2)
        return QStringLiteral("%1 cards open").arg(offen.size());
    if (offen.size() == 2 && partner(memo, offen.at(0)) == offen.at(1))
        return QStringLiteral("open pair %1/%2 is a pair").arg(offen.at(0)).arg(offen.at(1));
    for (int k = 1; k <= memo.kartenzahl(); ++k) {
        const Kartenbild& bild = memo.karte(k);
        const bool gefunden = memo.zustand(k) == Kartenzustand::Gefunden;
        if (!bild.inhalt.leer() && bild.inhalt != memo.liste1().at(k - 1).inhalt)
            return QStringLiteral("card %1 shows what it was not dealt").arg(k);
        if (gefunden && !(bild.kursiv && bild.hintergrund == test::Gefunden))
            return QStringLiteral("found card %1 lacks the found look").arg(k);
        if (gefunden && memo.zustand(partner(memo, k)) != Kartenzustand::Gefunden)
            return QStringLiteral("card %1 is found without its partner").arg(k);
        if (!gefunden && (bild.kursiv || bild.hintergrund == test::Gefunden))
            return QStringLiteral("card %1 in play looks found").arg(k);
        if (bild.textfarbe != Weiss)
            return QStringLiteral("card %1 text is not white").arg(k);
    }
    return {};
}

} // namespace vun::test
