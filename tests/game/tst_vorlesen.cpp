// Reading aloud: what is spoken and when, through a scripted voice.
#include "tests/support/spiel.h"

#include "game/vorlesen.h"

using namespace vun;
using namespace vun::test;

namespace {

// A game with reading aloud beside it, a screen reader to switch on, and its voice scripted.
struct Vorlesespiel : Spiel {
    Sprecherwerk werk;
    bool bildschirmleser = false;
    Vorlesen vorlesen{memo, dialoge, werk.quelle(), [this] { return bildschirmleser; }};

    using Spiel::Spiel;
    QStringList gesagt() const { return werk.zuletzt ? werk.zuletzt->gesagt : QStringList(); }
};

} // namespace

class TstVorlesen : public QObject {
    Q_OBJECT
private slots:
    // Off at the start and nothing made for it; on, each card says its word as it turns, a card
    // clicked while open and the covering of a pair say nothing; off stops the voice.
    void wortBeimAufdecken() {
        Vorlesespiel s;
        const int a = 1, b = s.andereKarte(1);
        s.klick(a);
        QVERIFY(!s.vorlesen.an());
        QCOMPARE(s.werk.gemacht, 0);

        s.vorlesen.einschalten();
        QVERIFY(s.vorlesen.an());
        QVERIFY(s.dialoge.gezeigt.isEmpty());
        s.klick(a); // open already
        s.klick(b);
        const int c = s.andereKarte(a, {b});
        s.klick(c); // covers a and b, turns c
        QCOMPARE(s.gesagt(), (QStringList{s.wort(b), s.wort(c)}));

        s.vorlesen.ausschalten();
        QCOMPARE(s.werk.zuletzt->verstummt, 1);
        s.klick(s.andereKarte(c, {a, b}));
        QCOMPARE(s.gesagt().size(), 2);
        s.vorlesen.einschalten(); // the same voice again
        QCOMPARE(s.werk.gemacht, 1);
    }

    // In group play the card that passes the turn says its word and then whose turn it is; a
    // pair keeps the turn and says its word alone.
    void zugwechsel() {
        Vorlesespiel s;
        s.memo.gruppenspielStarten({QStringLiteral("Rot"), QStringLiteral("Füchse")}, false);
        s.vorlesen.einschalten();
        s.klick(1);
        s.klick(s.partner(1));
        const int a = s.andereKarte(1, s.gefunden()), b = s.andereKarte(a, s.gefunden());
        s.klick(a);
        s.klick(b);
        QCOMPARE(s.gesagt().mid(2), (QStringList{s.wort(a), s.wort(b),
                                                 s.wort(b) + QStringLiteral(". Füchse ist dran")}));
    }

    // The win message speaks as its box appears, after the last card's word.
    void gewinnmeldung() {
        Vorlesespiel s;
        s.vorlesen.einschalten();
        QStringList beimZeigen;
        s.dialoge.beimZeigen = [&](const Gezeigt&) { beimZeigen = s.gesagt(); };
        s.allePaareFinden();
        QCOMPARE(s.gesagt().size(), Kartenzahl + 1);
        QCOMPARE(beimZeigen.last(), QStringLiteral("Prima, du hast es geschafft!"));
    }

    // A picture says the word of its pair's other half: every card turned says a word.
    void bildkartenSagenDasWort() {
        Vorlesespiel s;
        for (const QString& b : nummeriert(9, "b%1.png"))
            s.datei(b, QByteArray("bild"));
        s.datei("bilder.txt", nummeriert(9, "W%1 = b%1.png"));
        s.memo.Datei1_Click("bilder.txt");
        QCOMPARE(s.memo.gespielteDatei(), QStringLiteral("bilder.txt"));
        s.vorlesen.einschalten();
        for (int k = 1; k <= Kartenzahl; ++k)
            s.klick(k);
        QStringList woerter = s.gesagt();
        woerter.removeAll(QStringLiteral("Prima, du hast es geschafft!")); // all found by chance
        QCOMPARE(woerter.size(), Kartenzahl);
        QCOMPARE(woerter.filter(QRegularExpression("^W\\d+$")), woerter);
        for (int k = 1; k <= Kartenzahl; ++k)
            QCOMPARE(vorzulesen(s.memo.liste1(), k), vorzulesen(s.memo.liste1(), s.partner(k)));
    }

    // A picture whose pair has no word says its file's name where that is a plain word.
    void bildname_data() {
        QTest::addColumn<QString>("bild");
        QTest::addColumn<QString>("andere");
        QTest::addColumn<QString>("gesagt");
        QTest::newRow("Wort daneben") << "/l/hund.jpg"
                                      << "Hund"
                                      << "Hund";
        QTest::newRow("Name mit Blank") << "/l/Mein Hund.JPG"
                                        << ""
                                        << "Mein Hund";
        QTest::newRow("Umlaute") << "/l/bilder/Kätzchen groß.png"
                                 << ""
                                 << "Kätzchen groß";
        QTest::newRow("Bild daneben") << "/l/hund.jpg"
                                      << "/l/katze.jpg"
                                      << "hund";
        QTest::newRow("Ziffern") << "/l/IMG_2345.jpg"
                                 << ""
                                 << "";
        QTest::newRow("Punkt im Namen") << "/l/hund.v2.png"
                                        << ""
                                        << "";
    }
    void bildname() {
        QFETCH(QString, bild);
        QFETCH(QString, andere);
        const Karteninhalt partner = andere.isEmpty()         ? Karteninhalt::alsBild(bild)
                                     : andere.startsWith('/') ? Karteninhalt::alsBild(andere)
                                                              : Karteninhalt::alsWort(andere);
        const QList<Spielkarte> liste1{{Karteninhalt::alsWort("Maus"), 1},
                                       {Karteninhalt::alsBild(bild), 2},
                                       {Karteninhalt::alsWort("Maus"), 1},
                                       {partner, 2}};
        QTEST(vorzulesen(liste1, 2), "gesagt");
        QCOMPARE(vorzulesen(liste1, 1), QStringLiteral("Maus"));
    }

    // While the voice is got ready the card turned last waits for it, and the switch works: off
    // meanwhile, the ready voice stays silent until the next switch-on, which needs no new one.
    void stimmeWirdVorbereitet() {
        Vorlesespiel s;
        s.werk.vorlage.aufhalten = true;
        const int b = s.andereKarte(1);
        s.vorlesen.umschalten();
        s.klick(1);
        s.klick(b);
        QVERIFY(!s.vorlesen.an());
        s.werk.zuletzt->wartend(std::nullopt);
        QVERIFY(s.vorlesen.an());
        QCOMPARE(s.gesagt(), QStringList{s.wort(b)});

        Vorlesespiel t;
        t.werk.vorlage.aufhalten = true;
        QSignalSpy geschaltet(&t.vorlesen, &Vorlesen::geschaltet);
        t.vorlesen.umschalten();
        t.klick(1);
        t.vorlesen.umschalten(); // off before the voice answered
        t.werk.zuletzt->wartend(std::nullopt);
        QVERIFY(!t.vorlesen.an());
        QVERIFY(t.gesagt().isEmpty());
        QCOMPARE(geschaltet.size(), 1);
        t.vorlesen.umschalten();
        QVERIFY(t.vorlesen.an());
        QCOMPARE(t.werk.gemacht, 1);
        QVERIFY(t.dialoge.gezeigt.isEmpty());
    }

    // Under a screen reader nothing is said twice.
    void bildschirmleserSprichtSchon() {
        Vorlesespiel s;
        s.bildschirmleser = true;
        s.vorlesen.einschalten();
        s.klick(1);
        QVERIFY(s.gesagt().isEmpty());
    }

    // No German voice: one box names why and the package, it stays off and silent, and the next
    // switch-on asks a new voice.
    void keineStimme() {
        Vorlesespiel s;
        s.werk.vorlage.fehlt = Sprachhindernis::KeineDeutscheStimme;
        s.vorlesen.einschalten();
        QVERIFY(!s.vorlesen.an());
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.dialoge.gezeigt.at(0).prompt,
                 QStringLiteral("Vorlesen geht hier nicht: es gibt keine deutsche Stimme.\r"
                                "Bitte das Paket „speech-dispatcher-espeak-ng“ installieren.\r"
                                "Bis dahin bleibt das Spiel still."));
        s.werk.vorlage.fehlt.reset();
        s.vorlesen.einschalten();
        QVERIFY(s.vorlesen.an());
        QCOMPARE(s.werk.gemacht, 2);
        QCOMPARE(s.dialoge.gezeigt.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TstVorlesen)
#include "tst_vorlesen.moc"
