#include "wordlist/alphabet.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace vun {

namespace {

// Each part of the key ends in 0; every character counts one up, so a NUL in a text stays
// above the end of a part and a shorter text still comes first.
constexpr char32_t Teilende = 0;

std::u32string codepunkte(const QString& text) {
    std::u32string punkte;
    punkte.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t punkt = text.at(i).unicode();
        if (QChar::isHighSurrogate(punkt) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text.at(i + 1).unicode()))
            punkt = QChar::surrogateToUcs4(char16_t(punkt), text.at(++i).unicode());
        punkte.push_back(punkt);
    }
    return punkte;
}

// The letter without its marks: "Ä" as "A", "é" as "e"; "ß" as two letters.
void grundbuchstaben(char32_t punkt, std::u32string& ziel) {
    if (punkt == U'ß' || punkt == U'\u1E9E') {
        ziel += U"ss";
        return;
    }
    while (QChar::decompositionTag(punkt) == QChar::Canonical) {
        const QString zerlegt = QChar::decomposition(punkt);
        punkt = codepunkte(zerlegt).front();
    }
    ziel.push_back(punkt);
}

} // namespace

std::u32string alphabetschluessel(const QString& text) {
    const std::u32string punkte = codepunkte(text);
    std::u32string grund;
    for (const char32_t punkt : punkte)
        grundbuchstaben(QChar::toCaseFolded(punkt), grund);
    std::u32string schluessel;
    schluessel.reserve(grund.size() + punkte.size() + 1);
    for (const char32_t punkt : grund)
        schluessel.push_back(punkt + 1);
    schluessel.push_back(Teilende);
    for (const char32_t punkt : punkte)
        schluessel.push_back(QChar::toCaseFolded(punkt) + 1);
    return schluessel;
}

void alphabetischOrdnen(QStringList& texte) {
    std::vector<std::u32string> schluessel;
    schluessel.reserve(texte.size());
    for (const QString& text : texte)
        schluessel.push_back(alphabetschluessel(text));
    std::vector<qsizetype> folge(texte.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(),
                     [&](qsizetype a, qsizetype b) { return schluessel[a] < schluessel[b]; });
    QStringList geordnet;
    geordnet.reserve(texte.size());
    for (const qsizetype i : folge)
        geordnet.append(std::move(texte[i]));
    texte = std::move(geordnet);
}

} // namespace vun
