#include "wordlist/paarliste.h"

#include <QSet>

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

Paarzeile paarzeileLesen(QStringView zeile) {
    Paarzeile paar;
    paar.gleichheitszeichen = static_cast<int>(zeile.count(u'='));
    if (paar.gleichheitszeichen != 1) {
        paar.fehler = paar.gleichheitszeichen == 0 ? Zeilenfehler::KeinGleichheitszeichen
                                                   : Zeilenfehler::MehrereGleichheitszeichen;
        return paar;
    }
    const qsizetype stelle = zeile.indexOf(u'=');
    paar.links = ohneRand(zeile.first(stelle));
    paar.rechts = ohneRand(zeile.sliced(stelle + 1));
    if (paar.links.isEmpty() && paar.rechts.isEmpty())
        paar.fehler = Zeilenfehler::BeideLeer;
    else if (paar.links.isEmpty())
        paar.fehler = Zeilenfehler::LinksLeer;
    else if (paar.rechts.isEmpty())
        paar.fehler = Zeilenfehler::RechtsLeer;
    return paar;
}

std::pair<QString, QString> haelften(QStringView paareintrag) {
    const Paarzeile paar = paarzeileLesen(paareintrag);
    return {paar.links.toString(), paar.rechts.toString()};
}

QStringList paareVereinheitlichen(const QStringList& paarzeilen) {
    QStringList paare;
    paare.reserve(paarzeilen.size());
    // One key for both orders, the smaller half first; views into the lines, so a long list is
    // checked without copying a half.
    QSet<std::pair<QStringView, QStringView>> gesehen;
    gesehen.reserve(paarzeilen.size());
    for (const QString& zeile : paarzeilen) {
        const Paarzeile paar = paarzeileLesen(zeile);
        const bool linksZuerst = paar.links <= paar.rechts;
        const auto schluessel = linksZuerst ? std::make_pair(paar.links, paar.rechts)
                                            : std::make_pair(paar.rechts, paar.links);
        if (gesehen.contains(schluessel))
            continue;
        gesehen.insert(schluessel);
        // A line written as the game writes pairs is taken as it is, without a copy.
        const qsizetype laenge = paar.links.size() + Paartrenner.size() + paar.rechts.size();
        if (zeile.size() == laenge && paar.links.data() == zeile.constData() &&
            QStringView(zeile).sliced(paar.links.size(), Paartrenner.size()) == Paartrenner) {
            paare.append(zeile);
            continue;
        }
        QString eintrag;
        eintrag.reserve(laenge);
        eintrag.append(paar.links).append(Paartrenner).append(paar.rechts);
        paare.append(std::move(eintrag));
    }
    return paare;
}

} // namespace vun
