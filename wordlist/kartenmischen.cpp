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

// Phase 1: `paare` different words, in the order drawn.
void woerterZiehen(const Paare& woerter, int paare, Paare& gewaehlt, Modul1& m,
                   Zufallsquelle& zufall) {
    gewaehlt.clear();
    const int n = static_cast<int>(woerter.size());
    for (int k = 1; k <= paare; ++k) {
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

// Phase 1 from a pair list: `anzahl` pairs of which no two share a content (nor are the same), so
// that every turned card has exactly one partner on the board. Where no two pairs share a
// content these are the very draws of the words' phase 1. False when the pairs drawn leave no
// pair that fits beside them.
bool paareZiehen(const Paare& paare, int anzahl, Paare& gewaehlt, Zufallsquelle& zufall) {
    // Rejected draws in a row before looking whether any pair still fits at all.
    constexpr int Nachsehen = 64;
    const int n = static_cast<int>(paare.size());
    gewaehlt.clear();
    for (int k = 1; k <= anzahl; ++k) {
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
// it, so the choice completes wherever the list has enough such pairs. The pairs are tried in a
// random order. False where no pair fits beside those taken: the list has fewer than its count
// said.
bool paareSorgfaeltig(const Paare& paare, int anzahl, Paare& gewaehlt, Zufallsquelle& zufall) {
    gewaehlt.clear();
    Paare rest = paare;
    for (int k = 1; k <= anzahl; ++k) {
        for (qsizetype i = rest.size() - 1; i > 0; --i)
            rest.swapItemsAt(i, zufallsIndex(static_cast<int>(i) + 1, zufall));
        for (const Kartenpaar& kandidat : rest) {
            Paare danach;
            for (const Kartenpaar& anderes : rest)
                if (!anderes.teiltMit(kandidat))
                    danach.append(anderes);
            if (paareOhneGemeinsamenText(danach, anzahl - k) >= anzahl - k) {
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

// Phase 1 from the list; false where it yields too few pairs after all.
bool ausListeZiehen(const Wortliste& liste2, int paare, Paare& gewaehlt, Modul1& m,
                    Zufallsquelle& zufall) {
    if (liste2.art() == Listenart::Woerter) {
        woerterZiehen(liste2.eintraege(), paare, gewaehlt, m, zufall);
        return true;
    }
    return paareZiehen(liste2.eintraege(), paare, gewaehlt, zufall) ||
           paareSorgfaeltig(liste2.eintraege(), paare, gewaehlt, zufall);
}

// Phase 2: every card a different place from 1 to the number of cards.
void plaetzeVerteilen(int karten, Modul1& m, Zufallsquelle& zufall) {
    for (int i = 1; i <= karten; ++i) {
        bool schonVergeben;
        do {
            m.Kartenplatz[i] = static_cast<qint16>(zufallsIndex(karten, zufall) + 1);
            schonVergeben = false;
            for (int j = 1; j < i; ++j)
                schonVergeben = schonVergeben || m.Kartenplatz[j] == m.Kartenplatz[i];
        } while (schonVergeben);
    }
}

// Phase 3: places p and p + paare both become pair number p, the card on place p showing the
// pair's first half and the card on p + paare its second, so with places drawn at random each
// half lands on every card equally often. A word is both halves of its pair.
void plaetzeInKarten(const Paare& gewaehlt, QList<Spielkarte>& liste1, Modul1& m) {
    const int paare = static_cast<int>(gewaehlt.size());
    for (int i = 1; i <= 2 * paare; ++i) {
        const bool zweiteHaelfte = m.Kartenplatz[i] > paare;
        if (zweiteHaelfte)
            m.Kartenplatz[i] = static_cast<qint16>(m.Kartenplatz[i] - paare);
        const Kartenpaar& paar = gewaehlt.at(m.Kartenplatz[i] - 1);
        m.Kartenwort[i] = zweiteHaelfte ? paar.rechts : paar.links;
    }
    liste1.clear();
    for (int i = 1; i <= 2 * paare; ++i)
        liste1.append({m.Kartenwort[i], m.Kartenplatz[i]});
}

} // namespace

bool KartenMischen(const Wortliste& liste2, QList<Spielkarte>& liste1, Modul1& modul1,
                   Zufallsquelle& zufall, int paare) {
    paare = qBound(1, paare, Paarzahl);
    Paare gewaehlt;
    const bool hatGenug = liste2.hatVerschiedene(paare);
    const bool ausListe = hatGenug && ausListeZiehen(liste2, paare, gewaehlt, modul1, zufall);
    if (!ausListe)
        woerterZiehen(alsWoerter(Standardliste()), paare, gewaehlt, modul1, zufall);
    plaetzeVerteilen(2 * paare, modul1, zufall);
    plaetzeInKarten(gewaehlt, liste1, modul1);
    return ausListe || !hatGenug;
}

} // namespace vun
