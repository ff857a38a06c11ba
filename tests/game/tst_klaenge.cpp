// The cards' sounds: what plays when, through a scripted player, and who speaks over whom.
#include "tests/support/spiel.h"

#include "game/klaenge.h"
#include "game/vorlesen.h"

using namespace vun;
using namespace vun::test;

namespace {

// A game with sounds and reading aloud beside it, both scripted.
struct Klangspiel : Spiel {
    Klangwerk werk;
    Sprecherwerk stimmen;
    Klaenge klaenge;
    Vorlesen vorlesen{memo, dialoge, stimmen.quelle()};

    // Without the module no player can be made.
    explicit Klangspiel(bool mitModul = true)
        : klaenge(
              memo, dialoge,
              mitModul ? werk.quelle() : [] { return std::unique_ptr<Klangspieler>(); }) {}

    // Plays the list of those lines, with a small file for each sound it names (the scripted
    // sound reader takes any bytes). False where the deal holds no sound.
    bool klangliste(const QStringList& zeilen, const QStringList& klaenge) {
        for (const QString& k : klaenge)
            datei(k, QByteArray("RIFF"));
        datei("klang.txt", zeilen);
        memo.Datei1_Click("klang.txt");
        return std::any_of(memo.liste1().cbegin(), memo.liste1().cend(),
                           [](const Spielkarte& k) { return k.inhalt.hatKlang(); });
    }
    // Nine pairs: four of a word with its sound beside a word, five of two sounds alone.
    bool gemischteListe() {
        QStringList zeilen = nummeriert(4, "W%1 + w%1.wav = V%1");
        zeilen += nummeriert(5, "s%1.wav = t%1.wav");
        return klangliste(zeilen, nummeriert(4, "w%1.wav") + nummeriert(5, "s%1.wav") +
                                      nummeriert(5, "t%1.wav"));
    }
    // The box that tells what stands in the way of the sounds; empty where none was shown.
    QString klangbox() const {
        for (const Gezeigt& box : dialoge.gezeigt)
            if (box.prompt.startsWith(QStringLiteral("Klänge gehen hier nicht")))
                return box.prompt;
        return {};
    }
    // A card of the deal with a sound, and one without, other than those given.
    int klangkarte(const QList<int>& ausser = {}) const { return finde(true, ausser); }
    int stummeKarte(const QList<int>& ausser = {}) const { return finde(false, ausser); }
    SkriptKlangspieler& spieler() { return *werk.zuletzt; }

private:
    int finde(bool klang, const QList<int>& ausser) const {
        for (int k = 1; k <= memo.kartenzahl(); ++k)
            if (inhalt(k).hatKlang() == klang && !ausser.contains(k))
                return k;
        return 0;
    }
};

#define KLANGLISTE(s)                                                                              \
    if (!(s).gemischteListe())                                                                     \
        QFAIL("the deal holds no sound");

} // namespace

class TstKlaenge : public QObject {
    Q_OBJECT
private slots:
    // A list of words makes no player at all, in play or after a new deal.
    void woerterBleibenStill() {
        Klangspiel s;
        s.klick(1);
        s.klick(s.andereKarte(1));
        s.neuesSpiel();
        QCOMPARE(s.werk.gemacht, 0);
        QCOMPARE(s.dialoge.gezeigt.size(), 1); // the new game's question alone
    }

    // The deal's sounds are got ready once each; a card's sound plays as it turns, again at a
    // click on it open or found, and the next card without one cuts it off; the clicks on cards
    // showing change nothing else.
    void spielenUndAbbrechen() {
        Klangspiel s;
        KLANGLISTE(s);
        QCOMPARE(s.werk.gemacht, 1);
        const QStringList dateien = s.spieler().vorbereitet.last();
        QCOMPARE(QSet<QString>(dateien.cbegin(), dateien.cend()).size(), dateien.size());
        QCOMPARE(dateien.size(), 14);

        const int a = s.klangkarte();
        const QString klang = s.inhalt(a).klang;
        s.klick(a);
        QCOMPARE(s.spieler().gespielt, QStringList{klang});
        const QList<Kartenbild> vorher = [&] {
            QList<Kartenbild> k;
            for (int i = 1; i <= s.memo.kartenzahl(); ++i)
                k << s.memo.karte(i);
            return k;
        }();
        s.klick(a); // open already
        QCOMPARE(s.spieler().gespielt, (QStringList{klang, klang}));
        for (int i = 1; i <= s.memo.kartenzahl(); ++i)
            QCOMPARE(s.memo.karte(i), vorher.at(i - 1));

        const int verstummt = s.spieler().verstummt;
        s.klick(s.stummeKarte({s.partner(a)}));
        QCOMPARE(s.spieler().verstummt, verstummt + 1);
        QCOMPARE(s.spieler().gespielt.size(), 2);

        // A found pair: its sound again at a click, the board as it was.
        const int b = s.klangkarte({a, s.partner(a)});
        s.klick(b);
        s.klick(s.partner(b));
        const QList<int> gefunden = s.gefunden();
        const int gespielt = s.spieler().gespielt.size();
        s.klick(b);
        QCOMPARE(s.spieler().gespielt.size(), gespielt + 1);
        QCOMPARE(s.spieler().gespielt.last(), s.inhalt(b).klang);
        QCOMPARE(s.gefunden(), gefunden);
        QCOMPARE(s.offeneKarten(), 0);
    }

    // With reading aloud on, a card with its own sound plays it and the voice stops for it;
    // a card without one is read as before.
    void eigenerKlangStattStimme() {
        Klangspiel s;
        KLANGLISTE(s);
        s.vorlesen.einschalten();
        const int stumm = s.stummeKarte();
        s.klick(stumm);
        QCOMPARE(s.stimmen.zuletzt->gesagt, QStringList{s.wort(stumm)});
        const int verstummt = s.stimmen.zuletzt->verstummt;
        s.klick(s.klangkarte({s.partner(stumm)}));
        QCOMPARE(s.stimmen.zuletzt->gesagt.size(), 1);
        QCOMPARE(s.stimmen.zuletzt->verstummt, verstummt + 1);
        QCOMPARE(s.spieler().gespielt.size(), 1);
    }

    // What stands in the way: one box for all of it, each thing told once a run; the game goes
    // on, and a new deal starts quiet.
    void hindernisse() {
        Klangspiel s;
        s.werk.vorlage.fehlt = {Klanghindernis::KeinKlangdienst, Klanghindernis::KeinAacDecoder};
        KLANGLISTE(s);
        QCOMPARE(s.dialoge.gezeigt.size(), 2); // the list's load message, and the box
        QCOMPARE(s.klangbox(),
                 QStringLiteral("Klänge gehen hier nicht: es gibt keinen Tondienst.\r"
                                "Bitte das Paket „pulseaudio“ installieren.\r"
                                "Klänge gehen hier nicht: AAC-Klänge (.m4a) können nicht "
                                "abgespielt werden.\r"
                                "Bitte das Paket „libfaad2“ installieren.\r"
                                "Bis dahin bleiben diese Karten still."));
        const int verstummt = s.spieler().verstummt;
        s.neuesSpiel();
        QCOMPARE(s.spieler().verstummt, verstummt + 1);
        QCOMPARE(s.dialoge.gezeigt.size(), 3); // and the new game's question
        QCOMPARE(s.werk.gemacht, 1);
    }

    // No player can be made: one box, once, and the game plays on without sound.
    void ohneModul() {
        Klangspiel s(false);
        KLANGLISTE(s);
        QVERIFY(s.klangbox().startsWith(
            QStringLiteral("Klänge gehen hier nicht: das Klangmodul fehlt.\r")));
        const int boxen = s.dialoge.gezeigt.size();
        s.neuesSpiel();
        s.klick(s.klangkarte());
        QCOMPARE(s.dialoge.gezeigt.size(), boxen + 1); // the new game's question only
    }
};

QTEST_GUILESS_MAIN(TstKlaenge)
#include "tst_klaenge.moc"
