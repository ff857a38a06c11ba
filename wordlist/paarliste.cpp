#include "wordlist/paarliste.h"

#include <QSet>
#include <tuple>
#include <utility>
#include <vector>

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

namespace {

// A pair taken in either order: equal to itself reversed, and hashed alike both ways, so that
// one look-up finds it written either way.
struct Ungeordnet {
    const Kartenpaar* paar;
    friend bool operator==(Ungeordnet a, Ungeordnet b) {
        return *a.paar == *b.paar ||
               (a.paar->links == b.paar->rechts && a.paar->rechts == b.paar->links);
    }
};

size_t qHash(Ungeordnet u, size_t saat = 0) noexcept {
    return qHash(u.paar->links, saat) + qHash(u.paar->rechts, saat);
}

} // namespace

QList<Kartenpaar> paareVereinheitlichen(QList<Kartenpaar> paare) {
    // The pairs are looked up where they stand; those written before are left out afterwards.
    QSet<Ungeordnet> gesehen;
    gesehen.reserve(paare.size());
    std::vector<bool> schonDa(paare.size());
    for (qsizetype i = 0; i < paare.size(); ++i) {
        const qsizetype vorher = gesehen.size();
        gesehen.insert({&std::as_const(paare)[i]});
        schonDa[i] = gesehen.size() == vorher;
    }
    qsizetype behalten = 0;
    for (qsizetype i = 0; i < paare.size(); ++i)
        if (!schonDa[i] && behalten++ != i)
            paare[behalten - 1] = std::move(paare[i]);
    paare.resize(behalten);
    return paare;
}

} // namespace vun
