#include "wordlist/paarauswahl.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <algorithm>
#include <bit>
#include <bitset>
#include <vector>

namespace vun {

namespace {

constexpr int MaxGesucht = Paarzahl;
constexpr int MaxKern = 2 * (MaxGesucht - 1); // contents of at most eight pairs
using Nachbarn = std::bitset<MaxKern * MaxKern>;

// The pairs as a graph: contents are points, pairs are lines between them (a pair of two equal
// halves a loop). Wanted: the most lines that share no point. When a greedy pass finds fewer
// than it looks for (at most nine), the at most 16 contents it used (the core) touch every line,
// and the exact answer is found over the subsets of the core.
class Kerngraph {
public:
    explicit Kerngraph(const QList<Karteninhalt>& kern) : k_(static_cast<int>(kern.size())) {
        for (int i = 0; i < k_; ++i)
            nummer_.insert(kern.at(i), i);
    }

    void linie(const Karteninhalt& a, const Karteninhalt& b) {
        const int i = nummer_.value(a, -1);
        const int j = nummer_.value(b, -1);
        if (i >= 0 && j >= 0) {
            if (i == j)
                schleife_ |= 1u << i;
            innen_[i] |= 1u << j;
            innen_[j] |= 1u << i;
        } else {
            aussen(i >= 0 ? i : j, i >= 0 ? b : a);
        }
    }

    int groessteAuswahl() const;

private:
    // Of the contents outside the core, each core content keeps as many as the core has: a core
    // content matched outside can always find one of those that no other core content took.
    void aussen(int i, const Karteninhalt& inhalt) {
        QSet<Karteninhalt>& eigene = eigeneAussen_[i];
        if (eigene.size() >= k_ || eigene.contains(inhalt))
            return;
        eigene.insert(inhalt);
        const int n = static_cast<int>(aussenNummer_.size());
        const int nummer = aussenNummer_.value(inhalt, n);
        if (nummer == n)
            aussenNummer_.insert(inhalt, n);
        nachbarn_[i].set(nummer);
    }

    int k_;
    QHash<Karteninhalt, int> nummer_;
    QHash<Karteninhalt, int> aussenNummer_;
    QSet<Karteninhalt> eigeneAussen_[MaxKern];
    Nachbarn nachbarn_[MaxKern];
    unsigned innen_[MaxKern] = {};
    unsigned schleife_ = 0;
};

int Kerngraph::groessteAuswahl() const {
    const unsigned alle = (1u << k_) - 1;
    // innen[m]: the most pairs among the core contents in m alone.
    std::vector<int> innen(alle + 1, 0);
    // frei[m]: every core content in m can take a pair with its own content outside the core
    // (Hall).
    std::vector<Nachbarn> erreicht(alle + 1);
    std::vector<char> frei(alle + 1, 1);
    for (unsigned m = 1; m <= alle; ++m) {
        const int c = std::countr_zero(m);
        const unsigned ohne = m & (m - 1);
        int best = innen[ohne];
        // c paired with itself ("Echo = Echo") is one pair more.
        if (schleife_ >> c & 1u)
            best = std::max(best, 1 + innen[ohne]);
        for (unsigned d = innen_[c] & ohne; d != 0; d &= d - 1)
            best = std::max(best, 1 + innen[ohne & ~(1u << std::countr_zero(d))]);
        innen[m] = best;
        erreicht[m] = erreicht[ohne] | nachbarn_[c];
        bool hall = erreicht[m].count() >= static_cast<size_t>(std::popcount(m));
        for (unsigned r = m; hall && r != 0; r &= r - 1)
            hall = frei[m & ~(1u << std::countr_zero(r))];
        frei[m] = hall;
    }
    int best = 0;
    for (unsigned m = 0; m <= alle; ++m)
        if (frei[m])
            best = std::max(best, std::popcount(m) + innen[alle & ~m]);
    return best;
}

} // namespace

int paareOhneGemeinsamenText(const QList<Kartenpaar>& paare, int gesucht) {
    gesucht = qBound(0, gesucht, MaxGesucht);
    if (gesucht == 0)
        return 0;
    // Greedy first: every pair that shares no content with those taken so far. For a list a
    // person writes this finds what it looks for within the first lines, and reads no further.
    QSet<Karteninhalt> belegt;
    QList<Karteninhalt> kern;
    int gierig = 0;
    for (const auto& [a, b] : paare) {
        // Both halves: tasks that share only their result must not both count.
        if (belegt.contains(a) || belegt.contains(b))
            continue;
        belegt << a << b;
        kern << a;
        if (a != b)
            kern << b;
        if (++gierig == gesucht)
            return gesucht;
    }
    Kerngraph graph(kern);
    for (const auto& [a, b] : paare)
        graph.linie(a, b);
    return std::min(graph.groessteAuswahl(), gesucht);
}

} // namespace vun
