#pragma once

#include "wordlist/brett.h"
#include "wordlist/karteninhalt.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vun {

// What the entries of a list are: words, each dealt onto two cards, or pairs "Haus = Häuser",
// whose two halves are dealt onto two cards.
enum class Listenart { Woerter, Paare };

// The vocabulary a deal draws from (Liste2). A list of words is in ascending alphabetical order
// of its words (a picture by its path), letter case ignored; equal keys keep the order in which
// they came. Entries may repeat. A pair list's entries stay in the order of its file.
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
    // per entry. A pair list must hold no pair twice (paareVereinheitlichen), and is not sorted.
    void ersetzen(QList<Kartenpaar> eintraege, Listenart art = Listenart::Woerter,
                  QString titel = {});

    Listenart art() const { return art_; }
    // The heading the list's file gave it; empty where it has none.
    const QString& titel() const { return titel_; }

    const QList<Kartenpaar>& eintraege() const { return eintraege_; }

    // Whether a deal of that many pairs can finish: as many different words, or pairs that share
    // no content.
    bool hatVerschiedene(int paare = Paarzahl) const;
    // Whether a card of the list shows a picture.
    bool hatBilder() const;

private:
    QList<Kartenpaar> eintraege_;
    Listenart art_ = Listenart::Woerter;
    QString titel_;
};

// The entries of a word list of these words, none of them a picture.
QList<Kartenpaar> alsWoerter(const QStringList& woerter);

// The different contents of a word list's entries, counted up to bis: a long list of good words
// costs bis look-ups.
int verschiedeneInhalte(const QList<Kartenpaar>& woerter, int bis = Paarzahl);

} // namespace vun
