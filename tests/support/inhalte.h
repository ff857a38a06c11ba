#pragma once

#include "wordlist/karteninhalt.h"
#include "wordlist/paarliste.h"
#include "wordlist/wortdatei.h"
#include "wordlist/wortliste.h"

#include <QList>
#include <QStringList>

namespace vun::test {

// What the contents show: each word, or each picture's path.
inline QStringList texte(const QList<Karteninhalt>& inhalte) {
    QStringList texte;
    for (const Karteninhalt& inhalt : inhalte)
        texte << inhalt.text();
    return texte;
}

// A list's entries as a file writes them: each word, or each pair "links = rechts", pictures by
// their paths.
inline QStringList texte(const QList<Kartenpaar>& eintraege, Listenart art) {
    QStringList texte;
    for (const Kartenpaar& e : eintraege)
        texte << (art == Listenart::Paare ? e.links.text() + " = " + e.rechts.text()
                                          : e.links.text());
    return texte;
}
inline QStringList texte(const Wortliste& liste) {
    return texte(liste.eintraege(), liste.art());
}
inline QStringList texte(const Wortdatei& datei) {
    return texte(datei.eintraege, datei.art);
}

// Pair lines taken as pairs of words, each as it stands, none judged or left out.
inline QList<Kartenpaar> paare(const QStringList& zeilen) {
    QList<Kartenpaar> paare;
    for (const QString& zeile : zeilen) {
        const Paarzeile gelesen = paarzeileLesen(zeile);
        paare.append({Karteninhalt::alsWort(gelesen.links.toString()),
                      Karteninhalt::alsWort(gelesen.rechts.toString())});
    }
    return paare;
}

// A list of words, and a pair list, as the game holds them.
inline Wortliste wortliste(const QStringList& woerter) {
    Wortliste liste;
    liste.ersetzen(alsWoerter(woerter));
    return liste;
}
inline Wortliste paarliste(const QStringList& zeilen) {
    Wortliste liste;
    liste.ersetzen(paareVereinheitlichen(paare(zeilen)), Listenart::Paare);
    return liste;
}

} // namespace vun::test
