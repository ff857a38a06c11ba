#pragma once

#include <QHashFunctions>
#include <QString>
#include <QTypeInfo>

namespace vun {

// What one card shows: a word or a picture, and a sound it plays, each file named by its
// absolute, cleaned path, so that two entries naming one file are one content, and whoever draws,
// prints or plays the card finds the file without knowing the list's folder. A dealt card has a
// word or a picture (never both), a sound, or one of the two with a sound; a covered card has
// none. Two contents are one when they show and sound the same: words compare exactly, letter
// case and all, as every rule of the game compares them.
struct Karteninhalt {
    QString wort;
    QString bild;
    QString klang = {};

    static Karteninhalt alsWort(QString text) { return {std::move(text), {}}; }
    static Karteninhalt alsBild(QString pfad) { return {{}, std::move(pfad)}; }
    static Karteninhalt alsKlang(QString pfad) { return {{}, {}, std::move(pfad)}; }

    bool istBild() const { return !bild.isEmpty(); }
    bool hatKlang() const { return !klang.isEmpty(); }
    // A sound alone: the card shows the loudspeaker.
    bool nurKlang() const { return hatKlang() && wort.isEmpty() && bild.isEmpty(); }
    bool leer() const { return wort.isEmpty() && bild.isEmpty() && klang.isEmpty(); }
    // What a list is ordered by: the word, else the picture's path, else the sound's.
    const QString& text() const { return istBild() ? bild : nurKlang() ? klang : wort; }

    friend bool operator==(const Karteninhalt&, const Karteninhalt&) = default;
};

inline size_t qHash(const Karteninhalt& inhalt, size_t saat = 0) noexcept {
    return qHashMulti(saat, inhalt.wort, inhalt.bild, inhalt.klang);
}

// An entry of a list: the two contents its pair lays on two cards. A pair list's entry holds its
// two halves; a word list's entry holds its word on both.
struct Kartenpaar {
    Karteninhalt links;
    Karteninhalt rechts;

    bool enthaelt(const Karteninhalt& inhalt) const { return links == inhalt || rechts == inhalt; }
    // Whether the two pairs have a content in common, so that they cannot lie on one board.
    bool teiltMit(const Kartenpaar& anderes) const {
        return enthaelt(anderes.links) || enthaelt(anderes.rechts);
    }

    friend bool operator==(const Kartenpaar&, const Kartenpaar&) = default;
};

inline size_t qHash(const Kartenpaar& paar, size_t saat = 0) noexcept {
    return qHashMulti(saat, paar.links, paar.rechts);
}

} // namespace vun

// Moved in memory as their strings are: a long list grows without copying its texts.
Q_DECLARE_TYPEINFO(vun::Karteninhalt, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(vun::Kartenpaar, Q_RELOCATABLE_TYPE);
