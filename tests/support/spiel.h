#pragma once

#include "game/memo.h"
#include "tests/support/bildleser.h"
#include "tests/support/dateien.h"
#include "tests/support/karten.h"
#include "tests/support/klangleser.h"
#include "tests/support/skript.h"

#include <QTemporaryDir>
#include <QtTest>

namespace vun::test {

// What every test game stands on: a folder of its own with its start-up list, scripted boxes,
// a scripted random source, and scripted pictures and sounds.
struct Spielgrundlage {
    QTemporaryDir ordner;
    SkriptDialoge dialoge;
    SkriptZufall zufall;
    SkriptBildleser bildleser;
    SkriptKlangleser klangleser;

    explicit Spielgrundlage(const QStringList& woerter) {
        wortlisteSchreiben(ordner.filePath(QStringLiteral("VUNMEMO.TXT")), woerter);
    }
    // A word-list file in the game's folder, from its lines or its bytes.
    void datei(const QString& name, const QStringList& zeilen) { datei(name, alsUtf8(zeilen)); }
    void datei(const QString& name, const QByteArray& bytes) {
        QVERIFY(dateiSchreiben(ordner.filePath(name), bytes));
    }

    static QStringList standardWoerter() {
        return {"Apfel",  "Birne",  "Kirsche", "Pflaume", "Traube",
                "Banane", "Melone", "Zitrone", "Orange"};
    }
};

// The moves and looks of a test game, on the game's `memo` and `dialoge`, whether it plays
// without a window or in the program's.
template <class Selbst> struct Spielhilfen {
    // The cards dealt that word, in ascending order: the two of its pair on a list of words.
    QList<int> paarVon(const QString& wort) const {
        QList<int> karten;
        for (int k = 1; k <= memo().kartenzahl(); ++k)
            if (memo().liste1().at(k - 1).inhalt.wort == wort)
                karten.append(k);
        return karten;
    }
    // The card and its partner, in ascending order.
    QList<int> paarVonKarte(int karte) const {
        const int p = partner(karte);
        return {std::min(karte, p), std::max(karte, p)};
    }
    // What the card was dealt, and its word (empty for a picture).
    const Karteninhalt& inhalt(int karte) const { return memo().liste1().at(karte - 1).inhalt; }
    QString wort(int karte) const { return inhalt(karte).wort; }
    int partner(int karte) const { return test::partner(memo(), karte); }
    int andereKarte(int karte, const QList<int>& ausser = {}) const {
        return test::andereKarte(memo(), karte, ausser);
    }
    void klick(int karte) { selbst().memo.Bezeichnung_Click(karte); }
    // The new-game button, confirmed: the board cleared and dealt afresh.
    void neuesSpiel() {
        selbst().dialoge.antworten = {AntwortJa};
        selbst().memo.Bild4_Click();
    }
    QString beschriftung(int karte) const { return memo().karte(karte).inhalt.wort; }
    // The cards open, and those found, in ascending order.
    QList<int> offen() const { return karten(memo(), Kartenzustand::Offen); }
    QList<int> gefunden() const { return karten(memo(), Kartenzustand::Gefunden); }
    int offeneKarten() const { return static_cast<int>(offen().size()); }
    // Finds every pair in card order; stops before the last pair when asked to.
    void allePaareFinden(bool letztesAuslassen = false) {
        QList<int> erledigt;
        for (int k = 1; k <= memo().kartenzahl(); ++k) {
            if (erledigt.contains(k))
                continue;
            const int p = partner(k);
            erledigt << k << p;
            if (letztesAuslassen && erledigt.size() == memo().kartenzahl())
                return;
            klick(k);
            klick(p);
        }
    }

private:
    Selbst& selbst() { return static_cast<Selbst&>(*this); }
    const Memo& memo() const { return static_cast<const Selbst&>(*this).memo; }
};

// A game on a word list of the test's choosing, without a window, loaded and dealt.
struct Spiel : Spielgrundlage, Spielhilfen<Spiel> {
    Memo memo;

    explicit Spiel(const QStringList& woerter = standardWoerter())
        : Spielgrundlage(woerter),
          memo(dialoge, zufall, {bildleser, klangleser}, QDir(ordner.path())) {
        memo.Form_Load();
    }
};

} // namespace vun::test
