#pragma once

#include "game/memo.h"
#include "tests/support/dateien.h"
#include "tests/support/karten.h"
#include "tests/support/skript.h"

#include <QTemporaryDir>
#include <QtTest>

namespace vun::test {

// A game on a word list of the test's choosing, in a folder of its own, with scripted dialogs.
struct Spiel {
    QTemporaryDir ordner;
    SkriptDialoge dialoge;
    SkriptZufall zufall;
    Memo memo;

    explicit Spiel(const QStringList& woerter = standardWoerter())
        : memo(dialoge, zufall, QDir(ordnerMitListe(woerter))) {
        memo.Form_Load();
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

    // The two cards that carry a word, in ascending order.
    QList<int> paarVon(const QString& wort) const {
        QList<int> karten;
        for (int k = 1; k <= 18; ++k)
            if (memo.liste1().at(k - 1) == wort)
                karten.append(k);
        return karten;
    }
    QList<int> paarVonKarte(int karte) const { return paarVon(memo.liste1().at(karte - 1)); }
    int partner(int karte) const { return test::partner(memo, karte); }
    int andereKarte(int karte, const QList<int>& ausser = {}) const {
        return test::andereKarte(memo, karte, ausser);
    }
    void klick(int karte) { memo.Bezeichnung_Click(karte); }
    // The new-game button, confirmed: the board cleared and dealt afresh.
    void neuesSpiel() {
        dialoge.antworten = {AntwortJa};
        memo.Bild4_Click();
    }
    QString beschriftung(int karte) const { return memo.karte(karte).beschriftung; }
    int offeneKarten() const {
        int n = 0;
        for (int k = 1; k <= 18; ++k)
            n += !beschriftung(k).isEmpty() && !memo.karte(k).kursiv;
        return n;
    }
    // Finds every pair in card order; stops before the last pair when asked to.
    void allePaareFinden(bool letztesAuslassen = false) {
        QList<int> erledigt;
        for (int k = 1; k <= 18; ++k) {
            if (erledigt.contains(k))
                continue;
            const int p = partner(k);
            erledigt << k << p;
            if (letztesAuslassen && erledigt.size() == 18)
                return;
            klick(k);
            klick(p);
        }
    }

private:
    QString ordnerMitListe(const QStringList& woerter) {
        wortlisteSchreiben(ordner.filePath(QStringLiteral("VUNMEMO.TXT")), woerter);
        return ordner.path();
    }
};

} // namespace vun::test
