#include "wortliste.h"

#include <QSet>
#include <algorithm>

namespace vun {

namespace {
bool vor(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}
} // namespace

void Wortliste::hinzufuegen(const QString& eintrag) {
    auto stelle = std::upper_bound(eintraege_.begin(), eintraege_.end(), eintrag, vor);
    eintraege_.insert(stelle, eintrag);
}

void Wortliste::ersetzen(QStringList eintraege) {
    std::stable_sort(eintraege.begin(), eintraege.end(), vor);
    eintraege_ = std::move(eintraege);
}

bool Wortliste::mindestensNeunVerschiedene(const QStringList& texte) {
    // Stops at the ninth different text, so a long list of good words costs nine look-ups.
    QSet<QString> verschieden;
    for (const QString& text : texte) {
        verschieden.insert(text);
        if (verschieden.size() >= 9)
            return true;
    }
    return false;
}

} // namespace vun
