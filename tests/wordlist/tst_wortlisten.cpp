// The word lists that ship with the game: all of them load, and the start-up list is written
// the way the old lists are.
#include "tests/support/inhalte.h"
#include "tests/support/klangleser.h"
#include "wordlist/dekodierung.h"
#include "wordlist/wortdatei.h"

#include <QFile>
#include <QSet>
#include <QtTest>

using namespace vun;

namespace {
const QDir Ordner(QStringLiteral(VUN_WORTLISTEN));
// The shipped pictures are read with Qt's reader in tst_qtbildleser, the sounds with the sound
// checks in tst_klangpruefung.
const test::SkriptBildleser Bilder;
const test::SkriptKlangleser Klaenge;

QByteArray bytesVon(const QString& name) {
    QFile datei(Ordner.filePath(name));
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}
} // namespace

class TstWortlisten : public QObject {
    Q_OBJECT
private slots:
    void alleGueltig() {
        const QStringList namen = wortlistenDateien(Ordner);
        QVERIFY(namen.contains("VUNMEMO.TXT"));
        QVERIFY2(namen.size() >= 6, "the start-up list and at least five themed lists");
        int inUtf8 = 0;
        for (const QString& name : namen) {
            const Wortdatei d = wortdateiLesen(Ordner.filePath(name), {Bilder, Klaenge});
            QVERIFY2(d.fehler == Wortdateifehler::Keiner, qPrintable(name));
            QVERIFY2(d.eintraege.size() >= 20, qPrintable(name));
            // A word twice on the board would be two pairs of the same word.
            QCOMPARE(QSet<Kartenpaar>(d.eintraege.begin(), d.eintraege.end()).size(),
                     d.eintraege.size());
            for (const QString& wort : test::texte(d))
                QVERIFY2(wort == wort.trimmed() && !wort.contains(QChar(0xFFFD)), qPrintable(wort));
            inUtf8 += kodierungErkennen(bytesVon(name)) == Kodierung::Utf8;
        }
        QVERIFY2(inUtf8 >= 1, "one list as a Linux editor saves it");
    }

    // The pair lists are read as pair lists (not as lists of whole lines), and every other list
    // as words.
    void paarlisten() {
        const QStringList paarlisten{"BILDER.TXT",   "EINMAL6.TXT", "EINMALEINS.TXT",
                                     "ENGLISCH.TXT", "HOEREN.TXT",  "MEHRZAHL.TXT"};
        for (const QString& name : wortlistenDateien(Ordner)) {
            const Wortdatei d = wortdateiLesen(Ordner.filePath(name), {Bilder, Klaenge});
            QCOMPARE(d.fehler, Wortdateifehler::Keiner);
            QVERIFY2((d.art == Listenart::Paare) == paarlisten.contains(name), qPrintable(name));
        }
        // The times table as a teacher writes it: results such as 12 belong to several tasks.
        const QStringList einmaleins =
            test::texte(wortdateiLesen(Ordner.filePath("EINMALEINS.TXT")));
        QVERIFY(einmaleins.contains("2 · 6 = 12") && einmaleins.contains("3 · 4 = 12"));
        QCOMPARE(wortdateiLesen(Ordner.filePath("EINMAL6.TXT")).titel, "Einmaleins mit 6");
    }

    void startlisteWieEineAlteListe() {
        const QByteArray bytes = bytesVon("VUNMEMO.TXT");
        QCOMPARE(kodierungErkennen(bytes), Kodierung::Windows1252);
        QCOMPARE(bytes.count('\r'), bytes.count('\n'));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        const QString text = ausWindows1252(bytes);
        for (QChar c : QStringLiteral("äöüÖß"))
            QVERIFY2(text.contains(c), qPrintable(QString(c)));
    }
};

QTEST_GUILESS_MAIN(TstWortlisten)
#include "tst_wortlisten.moc"
