// The program as the desktop sees it: its desktop name, Qt's own texts in German, and a
// word-list file opened with it from a file manager.
#include "ui/programm.h"

#include "game/befehlszeile.h"
#include "game/memo.h"
#include "tests/support/bildleser.h"
#include "tests/support/dateien.h"
#include "tests/support/ordnerbild.h"
#include "tests/support/skript.h"
#include "wordlist/standardliste.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>
#include <QtTest>

namespace {
const QStringList Tiere{"Hund", "Katze", "Maus", "Igel", "Bär", "Löwe", "Esel", "Ziege", "Fuchs"};

// A start folder with a folder of lists: two good ones (one named with blanks and umlauts),
// a short one, a start-up list of other words and a folder named like a list.
struct Startordner {
    QTemporaryDir start;
    QString listen = start.filePath(QStringLiteral("Listen"));
    QString vorher = QDir::currentPath();

    Startordner() {
        QDir(start.path()).mkpath(QStringLiteral("Listen/ORDNER.TXT"));
        const QByteArray tiere = vun::test::alsWindows1252(Tiere);
        vun::test::dateiSchreiben(listen + QStringLiteral("/TIERE.TXT"), tiere);
        vun::test::dateiSchreiben(listen + QStringLiteral("/Meine Wörter für Jörg.TXT"), tiere);
        vun::test::dateiSchreiben(listen + QStringLiteral("/KURZ.TXT"), "eins\r\nzwei\r\n");
        vun::test::dateiSchreiben(listen + QStringLiteral("/VUNMEMO.TXT"),
                                  vun::test::alsWindows1252(vun::test::nummerierteWoerter(9)));
    }
    vun::ui::Startort ort(const QStringList& argumente) const {
        return vun::ui::startortAus(
            vun::befehlszeileLesen(QStringList{QStringLiteral("vun-memory")} + argumente).liste,
            QDir(start.path()));
    }
};
} // namespace

class TstProgramm : public QObject {
    Q_OBJECT
private slots:
    void desktopName() {
        vun::ui::anwendungEinrichten();
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("de.vunmemory.VunMemory"));
        QVERIFY(!QApplication::quitOnLastWindowClosed());
    }

    // The context menu of the name box speaks German, whatever the system language.
    void qtTexteDeutsch() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QTranslator uebersetzer;
        QVERIFY(vun::qtTexteLaden(uebersetzer));
        QLineEdit feld(QStringLiteral("Freund und Gast"));
        feld.selectAll();
        std::unique_ptr<QMenu> menue(feld.createStandardContextMenu());
        QStringList texte;
        for (QAction* a : menue->actions())
            if (!a->isSeparator())
                texte.append(a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')));
        QVERIFY2(texte.contains(QStringLiteral("Kopieren")), qPrintable(texte.join(", ")));
        QVERIFY2(texte.contains(QStringLiteral("Einfügen")), qPrintable(texte.join(", ")));
        QVERIFY(!texte.contains(QStringLiteral("Copy")));
        QCoreApplication::removeTranslator(&uebersetzer);
    }

    // Arguments as Qt leaves them, relative to the start folder; whether the named list is good.
    // X through XWayland first, native Wayland next; what the user set is never overridden.
    void plattform_data() {
        QTest::addColumn<QByteArray>("gesetzt");
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<bool>("x11");
        QTest::addColumn<QByteArray>("wahl");
        QTest::newRow("XWayland") << QByteArray() << true << true << QByteArray("xcb;wayland");
        QTest::newRow("Wayland allein") << QByteArray() << true << false << QByteArray("wayland");
        QTest::newRow("X11") << QByteArray() << false << true << QByteArray();
        QTest::newRow("gesetzt") << QByteArray("wayland") << true << true << QByteArray("wayland");
        QTest::newRow("offscreen")
            << QByteArray("offscreen") << false << true << QByteArray("offscreen");
    }
    void plattform() {
        QFETCH(QByteArray, gesetzt);
        QFETCH(bool, wayland);
        QFETCH(bool, x11);
        QTEST(vun::ui::plattformWahl(gesetzt, wayland, x11), "wahl");
    }

    void startdatei_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("gut");
        QTest::newRow("gute Liste") << QStringList{"Listen/TIERE.TXT"} << true;
        QTest::newRow("Blanks und Umlaute")
            << QStringList{"Listen/Meine Wörter für Jörg.TXT"} << true;
        QTest::newRow("nur die erste zählt")
            << QStringList{"Listen/TIERE.TXT", "Listen/KURZ.TXT"} << true;
        QTest::newRow("fehlerhaft") << QStringList{"Listen/KURZ.TXT"} << false;
        QTest::newRow("fehlt") << QStringList{"Listen/FEHLT.TXT"} << false;
        QTest::newRow("Ordner") << QStringList{"Listen/ORDNER.TXT"} << false;
    }

    // The game starts in the file's folder and its file list shows the lists there; a good
    // list is dealt from silently, anything else is told as a faulty chosen file and the
    // built-in words are dealt. Nothing is written beside the list.
    void startdatei() {
        QFETCH(QStringList, argumente);
        QFETCH(bool, gut);
        Startordner ordner;
        const QStringList bildVorher = vun::test::ordnerBild(ordner.listen);

        const vun::ui::Startort ort = ordner.ort(argumente);
        QCOMPARE(ort.startdatei,
                 QFileInfo(ordner.start.filePath(argumente.first())).absoluteFilePath());
        QCOMPARE(ort.ordner, QDir(ordner.listen));
        QCOMPARE(QDir::currentPath(), ordner.vorher); // nothing changes the working folder

        vun::test::SkriptDialoge dialoge;
        vun::test::SkriptZufall zufall;
        const vun::test::SkriptBildleser bildleser;
        vun::Memo memo(dialoge, zufall, bildleser, ort.ordner, ort.startdatei);
        memo.Form_Load();
        const QStringList woerter = gut ? Tiere : vun::Standardliste();
        for (const vun::Spielkarte& karte : memo.liste1())
            QVERIFY2(woerter.contains(karte.inhalt.wort), qPrintable(karte.inhalt.wort));
        QCOMPARE(memo.gespielteDatei().isEmpty(), !gut);
        if (gut) {
            QCOMPARE(dialoge.gezeigt.size(), 0);
        } else {
            QCOMPARE(dialoge.gezeigt.size(), 1);
            QCOMPARE(dialoge.gezeigt[0].prompt,
                     QStringLiteral("Gewählte Datei ist fehlerhaft!\r"
                                    "Eine Standardliste wird verwendet!\r"));
            QCOMPARE(dialoge.gezeigt[0].stil, 0);
            QCOMPARE(dialoge.gezeigt[0].titel, QStringLiteral("VUN-Memory"));
        }
        memo.Bild5_Click();
        QCOMPARE(memo.dateiliste(), (QStringList{"KURZ.TXT", "Meine Wörter für Jörg.TXT",
                                                 "TIERE.TXT", "VUNMEMO.TXT"}));
        QCOMPARE(vun::test::ordnerBild(ordner.listen), bildVorher);
    }

    // Without a file the game plays in the folder it was started in; an empty argument names
    // none. A file whose folder is gone leaves the game there too.
    void ohneStartdatei() {
        Startordner ordner;
        const QDir start(ordner.start.path());
        for (const QStringList& argumente : {QStringList{}, QStringList{QString()}}) {
            const vun::ui::Startort ort = ordner.ort(argumente);
            QCOMPARE(ort.ordner, start);
            QVERIFY(ort.startdatei.isEmpty());
        }
        const vun::ui::Startort weg = ordner.ort({QStringLiteral("Weg/FEHLT.TXT")});
        QCOMPARE(weg.ordner, start);
        QCOMPARE(weg.startdatei, start.filePath(QStringLiteral("Weg/FEHLT.TXT")));
    }
};

QTEST_MAIN(TstProgramm)
#include "tst_programm.moc"
