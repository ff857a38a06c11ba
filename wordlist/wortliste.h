#pragma once

#include "seams/brett.h"

#include <QString>
#include <QStringList>

namespace vun {

// What the entries of a list are: words, each dealt onto two cards, or pairs "Haus = Häuser",
// whose two halves are dealt onto two cards.
enum class Listenart { Woerter, Paare };

// The vocabulary a deal draws from (Liste2): non-empty texts in ascending alphabetical order,
// letter case ignored; equal keys keep the order in which they came. Entries may repeat.
// A pair list's entries stay in the order of its file.
class Wortliste {
public:
    // The list counts its entries in 16 bits; a longer list is never accepted.
    static constexpr int MaxEintraege = 32767;

    void leeren() {
        eintraege_.clear();
        art_ = Listenart::Woerter;
        titel_.clear();
    }
    // Replaces the whole list at once, its title too: one stable sort instead of an insertion
    // per entry. Pairs must be written as paareVereinheitlichen writes them, and are not sorted.
    void ersetzen(QStringList eintraege, Listenart art = Listenart::Woerter, QString titel = {});

    Listenart art() const { return art_; }
    // The heading the list's file gave it; empty where it has none.
    const QString& titel() const { return titel_; }

    const QStringList& eintraege() const { return eintraege_; }

    // Whether a deal can finish: nine different texts (exact comparison), or nine pairs that
    // share no text.
    bool hatNeunVerschiedene() const;

private:
    QStringList eintraege_;
    Listenart art_ = Listenart::Woerter;
    QString titel_;
};

// The different texts (exact comparison), counted up to bis: a long list of good words costs
// bis look-ups.
int verschiedeneTexte(const QStringList& texte, int bis = Paarzahl);

} // namespace vun
