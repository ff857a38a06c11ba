#include "wordlist/kartenmischen.h"

#include "seams/zufall.h"
#include "wordlist/paarauswahl.h"
#include "wordlist/paarliste.h"
#include "wordlist/standardliste.h"

namespace vun {

namespace {

// Integer part of n * u, kept inside 0..n-1 even if a source strays to u = 1.
int zufallsIndex(int n, Zufallsquelle& zufall) {
    const int r = static_cast<int>(n * zufall.naechste());
    return qBound(0, r, n - 1);
}

// Phase 1: nine different words, in the order drawn.
void neunWoerterZiehen(const QStringList& woerter, QStringList& liste1, Modul1& m,
                       Zufallsquelle& zufall) {
    liste1.clear();
    const int n = static_cast<int>(woerter.size());
    for (int k = 1; k <= Paarzahl; ++k) {
        do {
            m.Kartenwort[0] = woerter.at(zufallsIndex(n, zufall));
        } while (liste1.contains(m.Kartenwort[0], Qt::CaseSensitive));
        liste1.append(m.Kartenwort[0]);
    }
}

bool teiltText(QStringView paar, const QStringList& texte) {
    const Paarzeile zeile = paarzeileLesen(paar);
    return texte.contains(zeile.links) || texte.contains(zeile.rechts);
}

bool passtNoch(const QStringList& paare, const QStringList& texte) {
    for (const QString& paar : paare)
        if (!teiltText(paar, texte))
            return true;
    return false;
}

// Phase 1 from a pair list: nine pairs of which no two share a text (nor are the same), so
// that every turned card has exactly one partner on the board. Where no two pairs share a text
// these are the very draws of the words' phase 1. False when the pairs drawn leave no pair that
// fits beside them.
bool neunPaareZiehen(const QStringList& paare, QStringList& liste1, Modul1& m,
                     Zufallsquelle& zufall) {
    // Rejected draws in a row before looking whether any pair still fits at all.
    constexpr int Nachsehen = 64;
    const int n = static_cast<int>(paare.size());
    liste1.clear();
    QStringList texte;
    for (int k = 1; k <= Paarzahl; ++k) {
        for (int abgelehnt = 1;; ++abgelehnt) {
            m.Kartenwort[0] = paare.at(zufallsIndex(n, zufall));
            if (!teiltText(m.Kartenwort[0], texte))
                break;
            if (abgelehnt % Nachsehen == 0 && !passtNoch(paare, texte))
                return false;
        }
        const Paarzeile zeile = paarzeileLesen(m.Kartenwort[0]);
        texte << zeile.links.toString() << zeile.rechts.toString();
        liste1.append(m.Kartenwort[0]);
    }
    return true;
}

QStringList ohneGemeinsamenText(const QStringList& paare, const QString& paar) {
    const Paarzeile zeile = paarzeileLesen(paar);
    const QStringList texte{zeile.links.toString(), zeile.rechts.toString()};
    QStringList rest;
    for (const QString& anderes : paare)
        if (!teiltText(anderes, texte))
            rest.append(anderes);
    return rest;
}

// Phase 1 again where drawing at random ran into a dead end, as a list can whose pairs mostly
// block each other: a pair is taken only if enough pairs that share no text remain beside it,
// so the choice completes wherever the list has nine such pairs. The pairs are tried in a random
// order. False where no pair fits beside those taken: the list has fewer than its count said.
bool neunPaareSorgfaeltig(const QStringList& paare, QStringList& liste1, Modul1& m,
                          Zufallsquelle& zufall) {
    liste1.clear();
    QStringList rest = paare;
    for (int k = 1; k <= Paarzahl; ++k) {
        for (qsizetype i = rest.size() - 1; i > 0; --i)
            rest.swapItemsAt(i, zufallsIndex(static_cast<int>(i) + 1, zufall));
        for (const QString& kandidat : rest) {
            QStringList danach = ohneGemeinsamenText(rest, kandidat);
            if (paareOhneGemeinsamenText(danach, Paarzahl - k) >= Paarzahl - k) {
                m.Kartenwort[0] = kandidat;
                liste1.append(kandidat);
                rest = std::move(danach);
                break;
            }
        }
        if (liste1.size() < k)
            return false;
    }
    return true;
}

// Phase 1 from the list; false where it yields no nine pairs after all.
bool neunAusListeZiehen(const Wortliste& liste2, QStringList& liste1, Modul1& m,
                        Zufallsquelle& zufall) {
    if (liste2.art() == Listenart::Woerter) {
        neunWoerterZiehen(liste2.eintraege(), liste1, m, zufall);
        return true;
    }
    return neunPaareZiehen(liste2.eintraege(), liste1, m, zufall) ||
           neunPaareSorgfaeltig(liste2.eintraege(), liste1, m, zufall);
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

// Phase 3: places p and p + Paarzahl both become word number p. From a pair list the card on place
// p shows the pair's first half and the card on p + Paarzahl its second, so with places drawn at
// random each half lands on every card equally often.
void plaetzeInWoerter(QStringList& liste1, QStringList& paarkennungen, Listenart art, Modul1& m) {
    paarkennungen.clear();
    for (int i = 1; i <= Kartenzahl; ++i) {
        const bool zweiteHaelfte = m.Kartenplatz[i] > Paarzahl;
        if (zweiteHaelfte)
            m.Kartenplatz[i] = static_cast<qint16>(m.Kartenplatz[i] - Paarzahl);
        const QString& gezogen = liste1.at(m.Kartenplatz[i] - 1);
        paarkennungen.append(gezogen);
        if (art == Listenart::Paare) {
            auto [erste, zweite] = haelften(gezogen);
            m.Kartenwort[i] = zweiteHaelfte ? zweite : erste;
        } else {
            m.Kartenwort[i] = gezogen;
        }
    }
    liste1.clear();
    for (int i = 1; i <= Kartenzahl; ++i)
        liste1.append(m.Kartenwort[i]);
}

} // namespace

bool KartenMischen(const Wortliste& liste2, QStringList& liste1, QStringList& paarkennungen,
                   Modul1& modul1, Zufallsquelle& zufall) {
    const bool hatNeun = liste2.hatNeunVerschiedene();
    const bool ausListe = hatNeun && neunAusListeZiehen(liste2, liste1, modul1, zufall);
    if (!ausListe)
        neunWoerterZiehen(Standardliste(), liste1, modul1, zufall);
    plaetzeVerteilen(modul1, zufall);
    plaetzeInWoerter(liste1, paarkennungen, ausListe ? liste2.art() : Listenart::Woerter, modul1);
    return ausListe || !hatNeun;
}

} // namespace vun
