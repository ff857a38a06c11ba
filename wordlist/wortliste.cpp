#include "wordlist/wortliste.h"

#include "wordlist/paarauswahl.h"

#include <QSet>
#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace vun {

namespace {

// What a case-insensitive comparison compares, unit by unit: each UTF-16 unit case-folded, and a
// low surrogate behind a high one as the folded code point of the pair. Two keys compared as plain
// numbers order exactly as QString::compare(a, b, Qt::CaseInsensitive) does, but each text is
// folded once instead of in every comparison of a sort.
std::u32string faltschluessel(const QString& text) {
    std::u32string schluessel;
    schluessel.reserve(text.size());
    char32_t vorher = 0;
    for (const QChar zeichen : text) {
        char32_t einheit = zeichen.unicode();
        if (QChar::isLowSurrogate(einheit) && QChar::isHighSurrogate(vorher))
            einheit = QChar::surrogateToUcs4(vorher, einheit);
        vorher = zeichen.unicode();
        schluessel.push_back(QChar::toCaseFolded(einheit));
    }
    return schluessel;
}

} // namespace

void Wortliste::ersetzen(QStringList eintraege, Listenart art, QString titel) {
    art_ = art;
    titel_ = std::move(titel);
    // Nothing depends on the order of a pair list, and its two halves per entry make sorting it
    // the larger part of loading a long one: it keeps the file's order.
    if (art == Listenart::Paare) {
        eintraege_ = std::move(eintraege);
        return;
    }
    std::vector<std::u32string> schluessel;
    schluessel.reserve(eintraege.size());
    for (const QString& eintrag : eintraege)
        schluessel.push_back(faltschluessel(eintrag));
    std::vector<qsizetype> folge(eintraege.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(),
                     [&](qsizetype a, qsizetype b) { return schluessel[a] < schluessel[b]; });
    eintraege_.clear();
    eintraege_.reserve(eintraege.size());
    for (qsizetype i : folge)
        eintraege_.append(std::move(eintraege[i]));
}

bool Wortliste::hatNeunVerschiedene() const {
    const int verschiedene = art_ == Listenart::Paare ? paareOhneGemeinsamenText(eintraege_)
                                                      : verschiedeneTexte(eintraege_);
    return verschiedene >= Paarzahl;
}

int verschiedeneTexte(const QStringList& texte, int bis) {
    QSet<QStringView> verschieden;
    for (const QString& text : texte) {
        if (verschieden.size() >= bis)
            break;
        verschieden.insert(text);
    }
    return static_cast<int>(verschieden.size());
}

} // namespace vun
