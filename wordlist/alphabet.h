#pragma once

#include <QCollator>
#include <QList>
#include <QString>
#include <algorithm>
#include <numeric>
#include <string>
#include <type_traits>
#include <vector>

namespace vun {

// Orders the list by the key each element gives, computed once per element, not in every
// comparison of the sort; elements with equal keys keep the order they came in.
template <typename T, typename Schluessel>
void nachSchluesselOrdnen(QList<T>& liste, Schluessel schluessel) {
    using Wert = std::invoke_result_t<Schluessel&, const T&>;
    std::vector<Wert> werte;
    werte.reserve(liste.size());
    for (const T& element : liste)
        werte.push_back(schluessel(element));
    std::vector<qsizetype> folge(liste.size());
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(),
                     [&](qsizetype a, qsizetype b) { return werte[a] < werte[b]; });
    QList<T> geordnet;
    geordnet.reserve(liste.size());
    for (const qsizetype i : folge)
        geordnet.append(std::move(liste[i]));
    liste = std::move(geordnet);
}

// What a comparison with letter case ignored compares, unit by unit: each UTF-16 unit
// case-folded, and a low surrogate behind a high one as the folded code point of the pair. Two
// keys compared as plain numbers order exactly as QString::compare(a, b, Qt::CaseInsensitive).
std::u32string faltschluessel(const QString& text);

// German alphabetical order as a dictionary sorts (DIN 5007-1): "ä" beside "a", "ß" as "ss",
// letter case ignored, the plain letter before the one with a mark ("Ubung" before "Übung").
// Its German rules come with Qt's collation tables, so the order is the same whatever language
// the system is set to.
QCollator deutscheOrdnung();

// The elements in German alphabetical order of the text each gives; those with equal texts but
// for letter case keep the order they came in.
template <typename T, typename Text> void alphabetischOrdnen(QList<T>& liste, Text text) {
    const QCollator deutsch = deutscheOrdnung();
    nachSchluesselOrdnen(liste, [&](const T& element) { return deutsch.sortKey(text(element)); });
}

} // namespace vun
