#pragma once

#include <QString>
#include <QStringList>

namespace vun {

// The vocabulary a deal draws from (Liste2): non-empty texts in ascending alphabetical order,
// letter case ignored; equal keys keep the order in which they came. Entries may repeat.
class Wortliste {
public:
    // The list counts its entries in 16 bits; a longer list is never accepted.
    static constexpr int MaxEintraege = 32767;

    void leeren() { eintraege_.clear(); }
    // Inserts one entry at its sorted place, after any entries with an equal key.
    void hinzufuegen(const QString& eintrag);
    // Replaces the whole list at once: one stable sort instead of an insertion per entry.
    void ersetzen(QStringList eintraege);

    int anzahl() const { return static_cast<int>(eintraege_.size()); }
    const QString& eintrag(int index) const { return eintraege_.at(index); }
    const QStringList& eintraege() const { return eintraege_; }

    // The deal needs nine different texts (exact comparison) to finish.
    bool hatNeunVerschiedene() const { return mindestensNeunVerschiedene(eintraege_); }
    static bool mindestensNeunVerschiedene(const QStringList& texte);

private:
    QStringList eintraege_;
};

} // namespace vun
