#include "wordlist/kartenmischen.h"

#include "seams/zufall.h"
#include "wordlist/paarauswahl.h"
#include "wordlist/standardliste.h"

namespace vun {

namespace {

using Paare = QList<Kartenpaar>;

// Integer part of n * u, kept inside 0..n-1 even if a source strays to u = 1.
int zufallsIndex(int n, Zufallsquelle& zufall) {
    const int r = static_cast<int>(n * zufall.naechste());
    return qBound(0, r, n - 1);
}

bool teilt(const Kartenpaar& paar, const Paare& gewaehlt) {
    for (const Kartenpaar& anderes : gewaehlt)
        if (paar.teiltMit(anderes))
            return true;
    return false;
}

// Phase 1: nine different words, in the order drawn.
void neunWoerterZiehen(const Paare& woerter, Paare& gewaehlt, Modul1& m, Zufallsquelle& zufall) {
    gewaehlt.clear();
    const int n = static_cast<int>(woerter.size());
    for (int k = 1; k <= Paarzahl; ++k) {
        do {
            m.Kartenwort[0] = woerter.at(zufallsIndex(n, zufall)).links;
        } while (teilt({m.Kartenwort[0], m.Kartenwort[0]}, gewaehlt));
        gewaehlt.append({m.Kartenwort[0], m.Kartenwort[0]});
    }
}

bool passtNoch(const Paare& paare, const Paare& gewaehlt) {
    for (const Kartenpaar& paar : paare)
        if (!teilt(paar, gewaehlt))
            return true;
    return false;
}

// Phase 1 from a pair list: nine pairs of which no two share a content (nor are the same), so
// that every turned card has exactly one partner on the board. Where no two pairs share a
// content these are the very draws of the words' phase 1. False when the pairs drawn leave no
// pair that fits beside them.
bool neunPaareZiehen(const Paare& paare, Paare& gewaehlt, Zufallsquelle& zufall) {
    // Rejected draws in a row before looking whether any pair still fits at all.
    constexpr int Nachsehen = 64;
    const int n = static_cast<int>(paare.size());
    gewaehlt.clear();
    for (int k = 1; k <= Paarzahl; ++k) {
        for (int abgelehnt = 1;; ++abgelehnt) {
            const Kartenpaar& kandidat = paare.at(zufallsIndex(n, zufall));
            if (!teilt(kandidat, gewaehlt)) {
                gewaehlt.append(kandidat);
                break;
            }
            if (abgelehnt % Nachsehen == 0 && !passtNoch(paare, gewaehlt))
                return false;
        }
    }
    return true;
}

// Phase 1 again where drawing at random ran into a dead end, as a list can whose pairs mostly
// block each other: a pair is taken only if enough pairs that share no content remain beside
// it, so the choice completes wherever the list has nine such pairs. The pairs are tried in a
// random order. False where no pair fits beside those taken: the list has fewer than its count
// said.
bool neunPaareSorgfaeltig(const Paare& paare, Paare& gewaehlt, Zufallsquelle& zufall) {
    gewaehlt.clear();
    Paare rest = paare;
    for (int k = 1; k <= Paarzahl; ++k) {
        for (qsizetype i = rest.size() - 1; i > 0; --i)
            rest.swapItemsAt(i, zufallsIndex(static_cast<int>(i) + 1, zufall));
        for (const Kartenpaar& kandidat : rest) {
            Paare danach;
            for (const Kartenpaar& anderes : rest)
                if (!anderes.teiltMit(kandidat))
                    danach.append(anderes);
            if (paareOhneGemeinsamenText(danach, Paarzahl - k) >= Paarzahl - k) {
                gewaehlt.append(kandidat);
                rest = std::move(danach);
                break;
            }
        }
        if (gewaehlt.size() < k)
            return false;
    }
    return true;
}

// Phase 1 from the list; false where it yields no nine pairs after all.
bool neunAusListeZiehen(const Wortliste& liste2, Paare& gewaehlt, Modul1& m,
                        Zufallsquelle& zufall) {
    if (liste2.art() == Listenart::Woerter) {
        neunWoerterZiehen(liste2.eintraege(), gewaehlt, m, zufall);
        return true;
    }
    return neunPaareZiehen(liste2.eintraege(), gewaehlt, zufall) ||
           neunPaareSorgfaeltig(liste2.eintraege(), gewaehlt, zufall);
}

// Phase 2: every card a different place from 1 to Kartenzahl.
void plaetzeVerteilen(Modul1& m, Zufallsquelle& zufall) {
    for (int i = 1; i <= Kartenzahl; ++i) {
        bool schonVergeben;
        do {
            m.Kartenplatz[i] = static_cast<qint16>(zufallsIndex(Kartenzahl, zufall) + 1);
            schonVergeben = false;
            for (int j = 1; j < i; ++j)
                schonVergeben = schonVergeben || m.Kartenplatz[j] == m.Kartenplatz[i];
        } while (schonVergeben);
    }
}

// Phase 3: places p and p + Paarzahl both become pair number p, the card on place p showing the
// pair's first half and the card on p + Paarzahl its second, so with places drawn at random each
// half lands on every card equally often. A word is both halves of its pair.
void plaetzeInKarten(const Paare& gewaehlt, QList<Spielkarte>& liste1, Modul1& m) {
    for (int i = 1; i <= Kartenzahl; ++i) {
        const bool zweiteHaelfte = m.Kartenplatz[i] > Paarzahl;
        if (zweiteHaelfte)
            m.Kartenplatz[i] = static_cast<qint16>(m.Kartenplatz[i] - Paarzahl);
        const Kartenpaar& paar = gewaehlt.at(m.Kartenplatz[i] - 1);
        m.Kartenwort[i] = zweiteHaelfte ? paar.rechts : paar.links;
    }
    liste1.clear();
    for (int i = 1; i <= Kartenzahl; ++i)
        liste1.append({m.Kartenwort[i], m.Kartenplatz[i]});
}

} // namespace

bool KartenMischen(const Wortliste& liste2, QList<Spielkarte>& liste1, Modul1& modul1,
                   Zufallsquelle& zufall) {
    Paare gewaehlt;
    const bool hatNeun = liste2.hatNeunVerschiedene();
    const bool ausListe = hatNeun && neunAusListeZiehen(liste2, gewaehlt, modul1, zufall);
    if (!ausListe)
        neunWoerterZiehen(alsWoerter(Standardliste()), gewaehlt, modul1, zufall);
    plaetzeVerteilen(modul1, zufall);
    plaetzeInKarten(gewaehlt, liste1, modul1);
    return ausListe || !hatNeun;
}

} // namespace vun
