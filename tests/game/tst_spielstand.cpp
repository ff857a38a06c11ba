#include "game/kartenbild.h"
#include "game/spielstand.h"

#include <QtTest>

using namespace vun;

class TstSpielstand : public QObject {
    Q_OBJECT
private slots:
    void textFormenUndParse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("wert");
        QTest::newRow("leer") << QString() << 0;
        QTest::newRow("null") << "0" << 0;
        QTest::newRow("blanke Ziffern") << "7" << 7;
        QTest::newRow("mit Vorzeichenplatz") << " 12" << 12;
        QTest::newRow("viele Blanks") << "   18" << 18;
        QTest::newRow("Rest nach der Zahl") << "9x3" << 9;
        QTest::newRow("keine Zahl") << "abc" << 0;
        QTest::newRow("negativ") << "-3" << -3;
    }
    void textFormenUndParse() {
        QFETCH(QString, text);
        QFETCH(int, wert);
        QCOMPARE(Spielstand::wert(text), wert);
    }

    void zahlZuText() {
        QCOMPARE(Spielstand::text(7), QStringLiteral("7"));
        QCOMPARE(Spielstand::text(0), QStringLiteral("0"));
        QCOMPARE(Spielstand::textMitVorzeichen(7), QStringLiteral(" 7"));
        QCOMPARE(Spielstand::textMitVorzeichen(12), QStringLiteral(" 12"));
        for (int n = 0; n <= 18; ++n) {
            QCOMPARE(Spielstand::wert(Spielstand::text(n)), n);
            QCOMPARE(Spielstand::wert(Spielstand::textMitVorzeichen(n)), n);
        }
    }

    void anfangszustand() {
        const Spielstand s;
        QCOMPARE(s.Gestartet, QStringLiteral("0"));
        QVERIFY(s.Restmaske.isEmpty() && s.ErstesFeld.isEmpty() && s.ZweitesFeld.isEmpty() &&
                s.KlickFeld.isEmpty());
    }

    // Cards 10 to 18 have two digits, but address one character at their number's value.
    void maskeAdressiertDenWert() {
        Spielstand s;
        s.RundeStarten();
        QCOMPARE(s.Restmaske, QString(18, QLatin1Char('1')));
        s.gefundenMarkieren(12);
        s.gefundenMarkieren(1);
        QCOMPARE(s.Restmaske, QStringLiteral("011111111110111111"));
        QVERIFY(!s.imSpiel(12) && !s.imSpiel(1));
        QVERIFY(s.imSpiel(2) && s.imSpiel(11));
        QCOMPARE(s.Restmaske.size(), 18);
        for (int k = 1; k <= 18; ++k)
            s.gefundenMarkieren(k);
        QVERIFY(s.alleGefunden());
        s.RundeStarten();
        QVERIFY(!s.alleGefunden());
    }

    void palette() {
        QCOMPARE(QBColor(1), (Rgb{0, 0, 128}));
        QCOMPARE(QBColor(3), (Rgb{0, 128, 128}));
        QCOMPARE(QBColor(15), (Rgb{255, 255, 255}));
        QVERIFY(QBColor(1) != Designblau);
    }
};

QTEST_APPLESS_MAIN(TstSpielstand)
#include "tst_spielstand.moc"
