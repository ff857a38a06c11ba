#include "wordlist/wortliste.h"

#include "wordlist/alphabet.h"
#include "wordlist/paarauswahl.h"

#include <QSet>
#include <algorithm>

namespace vun {

void Wortliste::ersetzen(QList<Kartenpaar> eintraege, Listenart art, QString titel) {
    art_ = art;
    titel_ = std::move(titel);
    eintraege_ = std::move(eintraege);
    // Nothing depends on the order of a pair list, and its two halves per entry make sorting it
    // the larger part of loading a long one: it keeps the file's order.
    if (art == Listenart::Woerter)
        nachSchluesselOrdnen(
            eintraege_, [](const Kartenpaar& wort) { return faltschluessel(wort.links.text()); });
}

bool Wortliste::hatVerschiedene(int paare) const {
    const int verschiedene = art_ == Listenart::Paare ? paareOhneGemeinsamenText(eintraege_, paare)
                                                      : verschiedeneInhalte(eintraege_, paare);
    return verschiedene >= paare;
}

bool Wortliste::hatBilder() const {
    return std::any_of(eintraege_.begin(), eintraege_.end(),
                       [](const Kartenpaar& p) { return p.links.istBild() || p.rechts.istBild(); });
}

QList<Kartenpaar> alsWoerter(const QStringList& woerter) {
    QList<Kartenpaar> eintraege;
    eintraege.reserve(woerter.size());
    for (const QString& wort : woerter)
        eintraege.append({Karteninhalt::alsWort(wort), Karteninhalt::alsWort(wort)});
    return eintraege;
}

int verschiedeneInhalte(const QList<Kartenpaar>& woerter, int bis) {
    QSet<Karteninhalt> verschieden;
    for (const Kartenpaar& wort : woerter) {
        if (verschieden.size() >= bis)
            break;
        verschieden.insert(wort.links);
    }
    return static_cast<int>(verschieden.size());
}

} // namespace vun
