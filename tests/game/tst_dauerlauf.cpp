// A long run of random player actions on the core; the board's rules must hold after each one.
#include "tests/game/invarianten.h"
#include "tests/support/skript.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vun;
using namespace vun::test;

namespace {

void schreibe(const QDir& ordner, const QString& name, const QByteArray& inhalt) {
    QFile datei(ordner.filePath(name));
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

} // namespace

class TstDauerlauf : public QObject {
    Q_OBJECT
private slots:
    void zufaelligeAktionen() {
        QTemporaryDir tmp;
        const QDir ordner(tmp.path());
        schreibe(ordner, "VUNMEMO.TXT",
                 "Hund\r\nKatze\r\nMaus\r\nPferd\r\nKuh\r\nSchaf\r\nZiege\r\n"
                 "Huhn\r\nEnte\r\nGans\r\n");
        schreibe(ordner, "gut.txt", "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\n");
        schreibe(ordner, "ACHT.TXT", "1\n2\n3\n4\n5\n6\n7\n8\n");
        schreibe(ordner, "gleich.txt", QByteArray("Wort\n").repeated(20));
        schreibe(ordner, "leer.txt", "");
        const QByteArray paare("a = A\nb = B\nc = C\nd = D\ne = E\nf = F\ng = G\nh = H\ni = I\n");
        schreibe(ordner, "paare.txt", paare + "j = J\n");
        schreibe(ordner, "doppelt.txt", paare + "j = a\n");
        const QStringList dateien{"VUNMEMO.TXT", "gut.txt",   "ACHT.TXT",  "gleich.txt",
                                  "leer.txt",    "fehlt.txt", "paare.txt", "doppelt.txt"};

        SkriptDialoge dialoge;
        SkriptZufall zufall({}, 20261207);
        Memo memo(dialoge, zufall, ordner);
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
