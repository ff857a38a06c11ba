#include "wordlist/paarliste.h"

#include <QSet>
#include <tuple>

namespace vun {

QStringView ohneRand(QStringView text) {
    const auto rand = [](QChar c) { return c == u' ' || c == u'\t'; };
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && rand(text[anfang]))
        ++anfang;
    while (ende > anfang && rand(text[ende - 1]))
        --ende;
    return text.sliced(anfang, ende - anfang);
}

namespace {

// Where the one tab or the one dash between blanks stands, and how long it is; -1 where the line
// holds none or more than one. The tab is looked for first: a spreadsheet's cell may well hold a
// dash between blanks, but never a tab.
std::pair<qsizetype, qsizetype> andererTrenner(QStringView zeile) {
    if (zeile.count(u'\t') == 1)
        return {zeile.indexOf(u'\t'), 1};
    qsizetype stelle = -1;
    for (qsizetype i = 1; i + 1 < zeile.size(); ++i) {
        const QChar c = zeile[i];
        if ((c != u'-' && c != u'\u2013') || zeile[i - 1] != u' ' || zeile[i + 1] != u' ')
            continue;
        if (stelle >= 0)
            return {-1, 0};
        stelle = i;
    }
    return {stelle, 1};
}

} // namespace

Paarzeile paarzeileLesen(QStringView zeile) {
    Paarzeile paar;
    paar.gleichheitszeichen = static_cast<int>(zeile.count(u'='));
    qsizetype stelle = -1;
    qsizetype laenge = 1;
    if (paar.gleichheitszeichen == 1)
        stelle = zeile.indexOf(u'=');
    else if (paar.gleichheitszeichen == 0)
        std::tie(stelle, laenge) = andererTrenner(zeile);
    if (stelle < 0) {
        paar.fehler = paar.gleichheitszeichen == 0 ? Zeilenfehler::KeinGleichheitszeichen
                                                   : Zeilenfehler::MehrereGleichheitszeichen;
        return paar;
    }
    paar.links = ohneRand(zeile.first(stelle));
    paar.rechts = ohneRand(zeile.sliced(stelle + laenge));
    if (paar.links.isEmpty() && paar.rechts.isEmpty())
        paar.fehler = Zeilenfehler::BeideLeer;
    else if (paar.links.isEmpty())
        paar.fehler = Zeilenfehler::LinksLeer;
    else if (paar.rechts.isEmpty())
        paar.fehler = Zeilenfehler::RechtsLeer;
    return paar;
}

QList<Kartenpaar> paareVereinheitlichen(QList<Kartenpaar> paare) {
    QSet<Kartenpaar> gesehen;
    gesehen.reserve(paare.size());
    QList<Kartenpaar> verschieden;
    verschieden.reserve(paare.size());
    for (Kartenpaar& paar : paare) {
        if (gesehen.contains(paar) || gesehen.contains({paar.rechts, paar.links}))
            continue;
        gesehen.insert(paar);
        verschieden.append(std::move(paar));
    }
    return verschieden;
}

} // namespace vun
