// A long run of random player actions on the core; the board's rules must hold after each one.
#include "tests/support/bildleser.h"
#include "tests/support/dateien.h"
#include "tests/support/invarianten.h"
#include "tests/support/skript.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace vun;
using namespace vun::test;

class TstDauerlauf : public QObject {
    Q_OBJECT
private slots:
    void zufaelligeAktionen() {
        QTemporaryDir tmp;
        const QDir ordner(tmp.path());
        QVERIFY(wortlisteSchreiben(
            ordner.filePath("VUNMEMO.TXT"),
            {"Hund", "Katze", "Maus", "Pferd", "Kuh", "Schaf", "Ziege", "Huhn", "Ente", "Gans"}));
        QVERIFY(wortlisteSchreiben(ordner.filePath("gut.txt"), nummerierteWoerter(13)));
        QStringList feindlich = feindlicheDateien(ordner);
        QVERIFY(!feindlich.isEmpty());
        feindlich.removeAll(
            "GROSS.TXT"); // read up to the limit each time: slows, tests nothing new
        const QByteArray paare("a = A\nb = B\nc = C\nd = D\ne = E\nf = F\ng = G\nh = H\ni = I\n");
        QVERIFY(dateiSchreiben(ordner.filePath("paare.txt"), paare + "j = J\n"));
        QVERIFY(dateiSchreiben(ordner.filePath("doppelt.txt"), paare + "j = a\n"));
        const QStringList dateien =
            QStringList{"VUNMEMO.TXT", "gut.txt", "fehlt.txt", "paare.txt", "doppelt.txt"} +
            feindlich;

        SkriptDialoge dialoge;
        SkriptZufall zufall({}, 20261207);
        const SkriptBildleser bildleser;
        Memo memo(dialoge, zufall, bildleser, ordner);
        memo.Form_Load();
        QRandomGenerator wuerfel(42);
        const int aktionen = 200000;
        int gewonnen = 0;
        for (int i = 0; i < aktionen; ++i) {
            const int wurf = wuerfel.bounded(1000);
            if (wurf < 970) {
                memo.Bezeichnung_Click(1 + wuerfel.bounded(18));
            } else if (wurf < 985) {
                dialoge.antworten = {wuerfel.bounded(2) ? AntwortJa : AntwortNein};
                memo.Bild4_Click();
            } else if (wurf < 990) {
                memo.Datei1_Click(dateien.at(wuerfel.bounded(dateien.size())));
            } else if (wurf < 995) {
                dialoge.eingaben = {wuerfel.bounded(2) ? QStringLiteral("Anna") : QString()};
                memo.Bild2_Click();
            } else {
                memo.Bild5_Click();
            }
            const QString fehler = verletzteInvariante(memo);
            QVERIFY2(fehler.isEmpty(),
                     qPrintable(QStringLiteral("after action %1: %2").arg(i).arg(fehler)));
            if (!dialoge.gezeigt.isEmpty() && dialoge.gezeigt.last().titel == "Memory")
                ++gewonnen;
            dialoge.gezeigt.clear();
        }
        // Random clicking wins now and then; the run must have crossed many game ends.
        QVERIFY2(gewonnen > 10, qPrintable(QString::number(gewonnen)));
        qInfo("%d actions, %d games won", aktionen, gewonnen);
    }
};

QTEST_APPLESS_MAIN(TstDauerlauf)
#include "tst_dauerlauf.moc"
