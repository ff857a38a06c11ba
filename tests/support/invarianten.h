#pragma once

#include "game/memo.h"
#include "tests/support/karten.h"

#include <QString>
#include <algorithm>

namespace vun::test {

// Checks what must hold between any two events; returns the first broken rule, or nothing.
inline QString verletzteInvariante(const Memo& memo) {
    const Spielstand& s = memo.spielstand();
    if (!s.Gestartet)
        return {};
    const int e = s.ErstesFeld;
    const int z = s.ZweitesFeld;
    if (e == 0 && z != 0)
        return QStringLiteral("ZweitesFeld without ErstesFeld");
    if (e != 0 && e == z)
        return QStringLiteral("both open-card fields name card %1").arg(e);
    if (e && z &&
        (memo.paarkennungen().at(e - 1) == memo.paarkennungen().at(z - 1) || !s.imSpiel(e) ||
         !s.imSpiel(z)))
        return QStringLiteral("open pair %1/%2 is not an unmatched pair in play").arg(e).arg(z);
    const auto gefunden = std::count(s.Restmaske.begin(), s.Restmaske.end(), false);
    if (gefunden % 2 != 0)
        return QStringLiteral("%1 cards found, an odd number").arg(gefunden);
    int offen = 0;
    for (int k = 1; k <= Kartenzahl; ++k) {
        const Kartenbild& bild = memo.karte(k);
        const bool zeigtWort = bild.beschriftung == memo.liste1().at(k - 1);
        if (!s.imSpiel(k) && !(zeigtWort && bild.kursiv && bild.hintergrund == test::Gefunden))
            return QStringLiteral("found card %1 lacks the found look").arg(k);
        if (s.imSpiel(k) && (bild.kursiv || bild.hintergrund == test::Gefunden))
            return QStringLiteral("card %1 in play looks found").arg(k);
        if (s.imSpiel(k) && !bild.beschriftung.isEmpty()) {
            if (!zeigtWort || (k != e && k != z))
                return QStringLiteral("card %1 shows a word without being open").arg(k);
            ++offen;
        }
        if (bild.textfarbe != Weiss)
            return QStringLiteral("card %1 text is not white").arg(k);
    }
    if (offen > 2)
        return QStringLiteral("%1 cards open").arg(offen);
    return {};
}

} // namespace vun::test
