#include "wordlist/paarliste.h"

#include "wordlist/wortliste.h"

#include <QSet>

namespace vun {

bool istPaareintrag(QStringView eintrag) {
    const qsizetype stelle = eintrag.indexOf(Paartrenner);
    // The last search also finds a separator overlapping the first, as in "a = = b": such an
    // entry could be split in two ways, so it is no pair.
    return stelle > 0 && stelle == eintrag.lastIndexOf(Paartrenner) &&
           stelle + Paartrenner.size() < eintrag.size();
}

bool istPaarliste(const QStringList& eintraege) {
    if (eintraege.isEmpty())
        return false;
    for (const QString& eintrag : eintraege)
        if (!istPaareintrag(eintrag))
            return false;
    return true;
}

std::pair<QString, QString> haelften(QStringView paareintrag) {
    const qsizetype stelle = paareintrag.indexOf(Paartrenner);
    return {paareintrag.first(stelle).toString(),
            paareintrag.sliced(stelle + Paartrenner.size()).toString()};
}

Wortdateifehler paarePruefen(const QStringList& paareintraege) {
    if (paareintraege.size() > Wortliste::MaxEintraege)
        return Wortdateifehler::ZuVieleEintraege;
    if (paareintraege.size() < 9)
        return Wortdateifehler::ZuWenigEintraege;
    // Views into the entries: a long list is checked without copying every half.
    QSet<QStringView> texte;
    texte.reserve(2 * paareintraege.size());
    for (const QString& eintrag : paareintraege) {
        const qsizetype stelle = eintrag.indexOf(Paartrenner);
        texte.insert(QStringView(eintrag).first(stelle));
        texte.insert(QStringView(eintrag).sliced(stelle + Paartrenner.size()));
    }
    return texte.size() == 2 * paareintraege.size() ? Wortdateifehler::Keiner
                                                    : Wortdateifehler::TextDoppelt;
}

} // namespace vun
