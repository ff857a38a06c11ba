// Reading word-list files from disk: every file ends as a list or as the built-in list, and
// the start-up load and the folder listing behave as the player expects.
#include "wordlist/wortdatei.h"

#include "tests/support/dateien.h"
#include "tests/support/inhalte.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace vun;
using namespace vun::test;

class TstWortdateien : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;
    QString pfad(const QString& name) const { return ordner.filePath(name); }
    Wortdateifehler fehlerVon(const QString& name) const {
        return wortdateiLesen(pfad(name)).fehler;
    }
    // The early stop counts on the bytes alone: it never refuses bytes of as many entries as
    // allowed, and it does stop within a few entries beyond.
    void fruehesEndeStimmt(const QByteArray& bytes) {
        QVERIFY(dateiSchreiben(pfad("zaehlen.txt"), bytes));
        const int n = static_cast<int>(zeilenAusBytes(bytes).size());
        Wortdateifehler fehler{};
        QCOMPARE(dateiBytesLesen(pfad("zaehlen.txt"), n, fehler).value_or("nicht gelesen"), bytes);
        if (n >= 3) {
            QVERIFY(!dateiBytesLesen(pfad("zaehlen.txt"), n - 3, fehler));
            QCOMPARE(fehler, Wortdateifehler::ZuVieleEintraege);
        }
    }

private slots:
    void gueltigeDatei() {
        QVERIFY(
            dateiSchreiben(pfad("neun.txt"), "\r\n\r\nA\r\n\r\nB\nC\rD\r\n\r\nE\nF\nG\nH\n\nI"));
        const Wortdatei d = wortdateiLesen(pfad("neun.txt"));
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(texte(d), (QStringList{"A", "B", "C", "D", "E", "F", "G", "H", "I"}));
    }

    void fehlerhafteInhalte() {
        QVERIFY(dateiSchreiben(pfad("leer.txt"), QByteArray()));
        QVERIFY(dateiSchreiben(pfad("acht.txt"), alsUtf8(nummerierteWoerter(8)) + "\r\n\n\r\n"));
        QVERIFY(dateiSchreiben(pfad("gleich.txt"), alsUtf8(QStringList(9, "Maus"))));
        QVERIFY(dateiSchreiben(pfad("eine.txt"), QByteArray(2'000'000, 'x')));
        QCOMPARE(fehlerVon("leer.txt"), Wortdateifehler::ZuWenigEintraege);
        QCOMPARE(fehlerVon("acht.txt"), Wortdateifehler::ZuWenigEintraege);
        QCOMPARE(fehlerVon("gleich.txt"), Wortdateifehler::ZuWenigVerschiedene);
        QCOMPARE(fehlerVon("eine.txt"), Wortdateifehler::ZuWenigEintraege);
        QVERIFY(wortdateiLesen(pfad("gleich.txt")).eintraege.isEmpty());
    }

    void sehrLangeZeileBleibtGanz() {
        const QString lang(1'000'000, QChar(0xE4));
        QVERIFY(dateiSchreiben(pfad("lang.txt"), alsUtf8(nummerierteWoerter(8) << lang)));
        const Wortdatei d = wortdateiLesen(pfad("lang.txt"));
        QCOMPARE(d.fehler, Wortdateifehler::Keiner);
        QCOMPARE(texte(d).last(), lang);
    }

    void nichtZuOeffnen() {
        QVERIFY(!feindlicheDateien(QDir(ordner.path())).isEmpty());
        QCOMPARE(fehlerVon("fehlt.txt"), Wortdateifehler::Fehlt);
        QCOMPARE(fehlerVon("ORDNER.TXT"), Wortdateifehler::Ordner);
        QCOMPARE(fehlerVon("KAPUTT.TXT"), Wortdateifehler::Fehlt);
        QCOMPARE(fehlerVon("ROHR.TXT"), Wortdateifehler::NichtLesbar);
    }

    void ohneLeserecht() {
        if (::geteuid() == 0)
            QSKIP("root reads a file without read permission");
        QVERIFY(dateiSchreiben(pfad("gesperrt.txt"), alsUtf8(nummerierteWoerter(9))));
        QVERIFY(QFile::setPermissions(pfad("gesperrt.txt"), QFileDevice::WriteOwner));
        QCOMPARE(fehlerVon("gesperrt.txt"), Wortdateifehler::NichtLesbar);
    }

    // A regular file that opens but fails on reading, even for root: the process's own memory
    // at address 0.
    void lesefehlerMittendrin() {
        if (!QFileInfo::exists("/proc/self/mem"))
            QSKIP("no /proc on this system");
        QVERIFY(QFile::link("/proc/self/mem", pfad("speicher.txt")));
        QCOMPARE(fehlerVon("speicher.txt"), Wortdateifehler::Lesefehler);
    }

    // Huge files are refused after a bounded read: an 8 GB file without a line end (a sparse
    // file, so the test costs no disk) and one with far too many lines.
    void riesigeDateien() {
        QFile sparse(pfad("riesig.txt"));
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        QVERIFY(sparse.resize(8LL * 1024 * 1024 * 1024));
        sparse.close();
        QElapsedTimer uhr;
        uhr.start();
        QCOMPARE(fehlerVon("riesig.txt"), Wortdateifehler::ZuGross);
        QVERIFY2(uhr.elapsed() < 5000, "read far beyond the limit");

        QVERIFY(
            dateiSchreiben(pfad("zeilen.txt"), QByteArray(3'000'000, '\n').replace("\n", "x\n")));
        QCOMPARE(fehlerVon("zeilen.txt"), Wortdateifehler::ZuVieleEintraege);
    }

    void grenzen() {
        const int max = Wortliste::MaxEintraege;
        QVERIFY(dateiSchreiben(pfad("max.txt"), alsUtf8(nummerierteWoerter(max))));
        QVERIFY(dateiSchreiben(pfad("zuviel.txt"), alsUtf8(nummerierteWoerter(max + 1))));
        QVERIFY(
            dateiSchreiben(pfad("bom.txt"), "\xEF\xBB\xBF\r\n" + alsUtf8(nummerierteWoerter(max))));
        QCOMPARE(wortdateiLesen(pfad("max.txt")).eintraege.size(), max);
        QCOMPARE(fehlerVon("zuviel.txt"), Wortdateifehler::ZuVieleEintraege);
        QCOMPARE(wortdateiLesen(pfad("bom.txt")).eintraege.size(), max);

        // Exactly the size limit is still read; one byte more is not.
        QByteArray gross = alsUtf8(nummerierteWoerter(9));
        gross.append(QByteArray(MaxDateigroesse - gross.size(), 'x'));
        QVERIFY(dateiSchreiben(pfad("grenze.txt"), gross));
        QCOMPARE(fehlerVon("grenze.txt"), Wortdateifehler::Keiner);
        QVERIFY(dateiSchreiben(pfad("drueber.txt"), gross + "x"));
        QCOMPARE(fehlerVon("drueber.txt"), Wortdateifehler::ZuGross);
    }

    // The early stop on every kind of bytes a list is written in, with the lines that count one
    // entry more or one less on the bytes than in the text.
    void fruehesEnde() {
        const QString text = QStringLiteral("eins\r\nzwei\rdrei\n\n vier \t\nfünf");
        for (auto kodierung : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
            const QByteArray utf16 =
                QStringEncoder(kodierung, QStringEncoder::Flag::WriteBom)(text);
            fruehesEndeStimmt(utf16);
            fruehesEndeStimmt(utf16 + 'x');
        }
        fruehesEndeStimmt(text.toLatin1());
        fruehesEndeStimmt("\xEF\xBB\xBF\r\n" + text.toUtf8());
        fruehesEndeStimmt("x");
    }

    // Random bytes end in one of the two outcomes, with exactly the entries of the bytes.
    void binaereDaten() {
        QRandomGenerator zufall(4711);
        for (int runde = 0; runde < 20; ++runde) {
            QByteArray bytes(zufall.bounded(1, 20000), Qt::Uninitialized);
            for (char& b : bytes)
                b = static_cast<char>(zufall.bounded(256));
            QVERIFY(dateiSchreiben(pfad("binaer.txt"), bytes));
            const Wortdatei d = wortdateiLesen(pfad("binaer.txt"));
            const QStringList erwartet = zeilenAusBytes(bytes);
            fruehesEndeStimmt(bytes);
            QCOMPARE(d.fehler, eintraegeBeurteilen(erwartet).fehler);
            if (d.fehler == Wortdateifehler::Keiner)
                QCOMPARE(texte(d), erwartet);
        }
    }

    // Whatever the outcome, the file is closed again, so later loads can open theirs.
    void keineDateiBleibtOffen() {
        const QDir fds(QStringLiteral("/proc/self/fd"));
        if (!fds.exists())
            QSKIP("no /proc on this system");
        QVERIFY(dateiSchreiben(pfad("kurz.txt"), "eins\r\nzwei"));
        QVERIFY(dateiSchreiben(pfad("gut.txt"), alsUtf8(nummerierteWoerter(9))));
        const qsizetype vorher = fds.entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
        for (const char* name : {"kurz.txt", "gut.txt", "ORDNER.TXT", "ROHR.TXT", "speicher.txt",
                                 "riesig.txt", "zeilen.txt", "fehlt.txt"})
            wortdateiLesen(pfad(name));
        QCOMPARE(fds.entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), vorher);
    }

    // On Linux a list copied from Windows may carry its name in small letters.
    void startdateiOhneGrossKlein() {
        QTemporaryDir d;
        const QDir o(d.path());
        QCOMPARE(startdateiPfad(o), o.filePath("VUNMEMO.TXT"));
        QVERIFY(dateiSchreiben(o.filePath("vunmemo.txt"), alsUtf8(nummerierteWoerter(9))));
        QCOMPARE(startdateiPfad(o), o.filePath("vunmemo.txt"));
        QCOMPARE(texte(wortdateiLesen(startdateiPfad(o))), nummerierteWoerter(9));
        // A folder of the exact name does not hide the file.
        QVERIFY(o.mkdir("VUNMEMO.TXT"));
        QCOMPARE(startdateiPfad(o), o.filePath("vunmemo.txt"));
        QVERIFY(o.rmdir("VUNMEMO.TXT"));
        // The exact name wins over any other spelling.
        QVERIFY(dateiSchreiben(o.filePath("VUNMEMO.TXT"), QByteArray()));
        QCOMPARE(startdateiPfad(o), o.filePath("VUNMEMO.TXT"));
        QCOMPARE(wortdateiLesen(startdateiPfad(o)).fehler, Wortdateifehler::ZuWenigEintraege);
    }

    // A pair list is read as pairs in every encoding and line end, written as the game writes
    // pairs; a text in two pairs is allowed.
    void paarlisteLesen() {
        const QStringList paare = QStringList{"Fuß=Füße", "Füße = Fußball\t"} + nummeriertePaare(8);
        QByteArray utf16le("\xFF\xFE"), utf16be("\xFE\xFF");
        for (const QString& zeile : paare) {
            for (QChar c : zeile + QStringLiteral("\r\n")) {
                utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
                utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
            }
        }
        QVERIFY(dateiSchreiben(pfad("paare-cr.txt"), alsWindows1252(paare).replace('\n', "")));
        QVERIFY(dateiSchreiben(pfad("paare-lf.txt"), alsUtf8(paare, "\n")));
        QVERIFY(dateiSchreiben(pfad("paare-le.txt"), utf16le));
        QVERIFY(dateiSchreiben(pfad("paare-be.txt"), utf16be));
        const QStringList erwartet =
            QStringList{"Fuß = Füße", "Füße = Fußball"} + nummeriertePaare(8);
        for (const char* name : {"paare-cr.txt", "paare-lf.txt", "paare-le.txt", "paare-be.txt"}) {
            const Wortdatei d = wortdateiLesen(pfad(name));
            QCOMPARE(d.fehler, Wortdateifehler::Keiner);
            QCOMPARE(d.art, Listenart::Paare);
            QCOMPARE(texte(d), erwartet);
        }
    }

    // Blanks and tabs at the ends are no part of a word: "Hund" and "Hund " are one word.
    void randOhneBedeutung() {
        const QStringList sieben = nummerierteWoerter(7);
        QVERIFY(dateiSchreiben(pfad("hund.txt"),
                               alsUtf8(sieben + QStringList{"Hund", "Hund ", "\tHund\t", "  "})));
        const Wortdatei d = wortdateiLesen(pfad("hund.txt"));
        QCOMPARE(d.fehler, Wortdateifehler::ZuWenigVerschiedene);
        QCOMPARE(d.anzahl, 10);
        QCOMPARE(d.verschiedene, 8);
    }

    void dateiliste() {
        QTemporaryDir d;
        const QDir o(d.path());
        for (const char* name : {"z.TXT", "b.Txt", "A.txt", "Ärger.txt", ".versteckt.TXT",
                                 "notiz.md", "alt.txt.bak", "a.TXT", "txt"})
            QVERIFY(dateiSchreiben(o.filePath(name), "x"));
        QVERIFY(o.mkdir("ordner.txt"));
        QVERIFY(QFile::link(o.filePath("nirgends"), o.filePath("kaputt.txt")));
        QVERIFY(QFile::link(o.filePath("z.TXT"), o.filePath("verweis.txt")));
        QVERIFY(::mkfifo(QFile::encodeName(o.filePath("rohr.txt")).constData(), 0644) == 0);
        QCOMPARE(wortlistenDateien(o),
                 (QStringList{"A.txt", "a.TXT", "b.Txt", "verweis.txt", "z.TXT", "Ärger.txt"}));
    }
};

QTEST_GUILESS_MAIN(TstWortdateien)
#include "tst_wortdateien.moc"
