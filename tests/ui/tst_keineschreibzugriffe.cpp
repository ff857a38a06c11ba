// A whole session in a read-only folder: start-up, a game won, every command, every word list
// of the folder chosen (faulty ones too), the information window, quitting. The folder and every
// file in it are left exactly as they were, and nothing is written to the home folder, the
// settings, cache, data, state or runtime folders, or the temporary folder.
#include "tests/support/dateien.h"
#include "tests/support/karten.h"
#include "tests/support/ordnerbild.h"
#include "tests/support/skript.h"

#include "boxes/qtdialoge.h"
#include "game/memo.h"
#include "seams/zufall.h"
#include "ui/dateiliste.h"
#include "ui/hauptfenster.h"
#include "ui/infofenster.h"
#include "ui/karte.h"
#include "ui/programm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace vun;
using namespace vun::test;

namespace {

// The folders a program could write to behind the player's back, each empty and made by the
// test before Qt starts, so that Qt takes them and nothing else.
struct Umgebung {
    QTemporaryDir wurzel;
    const QStringList variablen = {"HOME",          "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                                   "XDG_DATA_HOME", "XDG_STATE_HOME",  "XDG_RUNTIME_DIR",
                                   "TMPDIR"};
    Umgebung() {
        for (const QString& name : variablen) {
            const QString pfad = wurzel.filePath(name);
            QDir().mkdir(pfad);
            QFile::setPermissions(pfad, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
            qputenv(name.toLatin1(), QFile::encodeName(pfad));
        }
    }
};
Umgebung* umgebung = nullptr;

// Answers the real Qt boxes as they come up: a message box with the button of the scripted
// caption, an input box by typing the scripted text and pressing OK, or with "Abbrechen".
class Spieler : public QObject {
public:
    QStringList antworten;
    QStringList gesehen; // "title: text" of every box, in order

    Spieler() {
        connect(&uhr_, &QTimer::timeout, this, &Spieler::antworten_);
        uhr_.start(2);
    }

private:
    QAbstractButton* knopf(QWidget* box, const QString& text) {
        for (QAbstractButton* k : box->findChild<QDialogButtonBox*>()->buttons())
            if (k->text() == text)
                return k;
        return nullptr;
    }

    void antworten_() {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible())
            return;
        const QString antwort = antworten.isEmpty() ? QString() : antworten.takeFirst();
        if (auto* m = qobject_cast<QMessageBox*>(box))
            gesehen << m->windowTitle() + QStringLiteral(": ") + m->text();
        if (auto* e = qobject_cast<QInputDialog*>(box)) {
            gesehen << e->windowTitle() + QStringLiteral(": ") + e->labelText();
            if (antwort != QLatin1String("Abbrechen")) {
                box->findChild<QLineEdit*>()->clear();
                QTest::keyClicks(box->findChild<QLineEdit*>(), antwort);
            }
        }
        QAbstractButton* k =
            knopf(box, antwort == QLatin1String("Abbrechen") || qobject_cast<QMessageBox*>(box)
                           ? antwort
                           : QStringLiteral("OK"));
        if (k) {
            k->click();
        } else {
            gesehen << QStringLiteral("(no answer: %1)").arg(antwort);
            box->close();
        }
    }
    QTimer uhr_;
};

// The program as main() builds it, in the current folder, with the real Qt dialogs. The cards'
// sounds are scripted: whether a sound server answers depends on the machine, not on the program.
struct Sitzung {
    Klangwerk klaenge;
    ui::Programm programm{ui::startortAus(QString()), {.klangspieler = klaenge.quelle()}};
    Memo& memo = programm.memo();
    ui::Hauptfenster& fenster = programm.fenster();
    QSignalSpy ende{&fenster, &ui::Hauptfenster::programmEnde};

    Sitzung() { programm.starten(); }
    void karte(int n) { QTest::mouseClick(fenster.karte(n), Qt::LeftButton); }
    void bild(int n) {
        QTest::mouseClick(fenster.findChild<QWidget*>(QStringLiteral("Bild%1").arg(n),
                                                      Qt::FindDirectChildrenOnly),
                          Qt::LeftButton);
    }
    int partner(int k) const { return test::partner(memo, k); }
    // A miss first, then every pair in card order.
    void spielGewinnen() {
        int daneben = 2;
        while (partner(1) == daneben)
            ++daneben;
        karte(1);
        karte(daneben);
        for (int k = 1; k <= Kartenzahl; ++k)
            if (test::imSpiel(memo, k) && test::rundeLaeuft(memo)) {
                karte(k);
                karte(partner(k));
            } else if (!test::rundeLaeuft(memo)) {
                break;
            }
    }
    void eintrag(int zeile) {
        QListWidget* liste = fenster.dateiliste();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(zeile)).center());
    }
    QWidget* infoTeil(const char* name) const {
        return fenster.infofenster()->findChild<QWidget*>(QLatin1String(name));
    }
};

// The folder the session runs in: the lists that ship with their pictures, faulty lists and a
// subfolder.
void ordnerFuellen(const QDir& ordner) {
    const QDir mitgeliefert(QStringLiteral(VUN_WORTLISTEN));
    for (const QString& name : mitgeliefert.entryList({QStringLiteral("*.TXT")}, QDir::Files))
        QVERIFY(QFile::copy(mitgeliefert.filePath(name), ordner.filePath(name)));
    // The pictures of BILDER.TXT and the sounds of HOEREN.TXT beside them, as the package
    // installs them.
    for (const QString& unter : {QStringLiteral("bilder"), QStringLiteral("klaenge")}) {
        const QDir dateien(mitgeliefert.filePath(unter));
        QVERIFY(ordner.mkpath(unter));
        for (const QString& name : dateien.entryList(QDir::Files))
            QVERIFY(QFile::copy(dateien.filePath(name), ordner.filePath(unter + "/" + name)));
    }
    QVERIFY(dateiSchreiben(ordner.filePath("KAPUTT.TXT"), "eins\r\nzwei\r\n"));
    QVERIFY(dateiSchreiben(ordner.filePath("GLEICH.TXT"), QByteArray("Wort\r\n").repeated(12)));
    QVERIFY(dateiSchreiben(ordner.filePath("LEER.TXT"), ""));
    QVERIFY(dateiSchreiben(ordner.filePath("klein.txt"), "a\nb\nc\nd\ne\nf\ng\nh\ni\n"));
    QVERIFY(ordner.mkpath(QStringLiteral("ALT.TXT")));
    QVERIFY(dateiSchreiben(ordner.filePath("ALT.TXT/VUNMEMO.TXT"), "x\r\n"));
}

} // namespace

class TstKeineSchreibzugriffe : public QObject {
    Q_OBJECT
private slots:
    void ganzeSitzung() {
        QVERIFY(!QStandardPaths::isTestModeEnabled());
        QTemporaryDir tmp(umgebung->wurzel.filePath(QStringLiteral("arbeit-XXXXXX")));
        const QDir ordner(tmp.path());
        ordnerFuellen(ordner);
        if (QTest::currentTestFailed())
            return;
        schreibschutz(ordner.path(), true);
        const QStringList vorher = ordnerBild(ordner.path());
        QMap<QString, QStringList> umgebungVorher;
        for (const QString& name : umgebung->variablen)
            umgebungVorher[name] = ordnerBild(umgebung->wurzel.filePath(name));
        const QString frueher = QDir::currentPath();
        QDir::setCurrent(ordner.path());
        const auto zurueck = qScopeGuard([&] {
            QDir::setCurrent(frueher);
            schreibschutz(ordner.path(), false);
        });

        sitzung();

        QDir::setCurrent(frueher);
        QCOMPARE(ordnerBild(ordner.path()), vorher);
        for (const QString& name : umgebung->variablen)
            QCOMPARE(ordnerBild(umgebung->wurzel.filePath(name)), umgebungVorher[name]);
    }

private:
    void sitzung() {
        Spieler spieler;
        auto p = std::make_unique<Sitzung>();
        spieler.antworten = {"OK"}; // the win
        p->spielGewinnen();
        QCOMPARE(spieler.gesehen.size(), 1);
        QVERIFY(spieler.gesehen.first().startsWith(QStringLiteral("Memory: ")));
        spieler.antworten += {"OK", "Lea", "Abbrechen", "Nein", "Ja"};
        for (int bild : {3, 2, 2, 4, 4})
            p->bild(bild);
        QCOMPARE(p->fenster.windowTitle(), QStringLiteral("VUN-Memospiel: Lea"));

        // Every list of the folder, with a card turned after each.
        p->bild(5);
        const int eintraege = p->fenster.dateiliste()->count();
        const qsizetype mitgeliefert =
            QDir(QStringLiteral(VUN_WORTLISTEN)).entryList({QStringLiteral("*.TXT")}).size();
        QCOMPARE(eintraege, mitgeliefert + 4); // and the four files written beside them
        for (int zeile = 0; zeile < eintraege; ++zeile) {
            spieler.antworten += {"OK", "OK"};
            if (!p->fenster.dateiliste()->isVisible())
                p->bild(5);
            p->eintrag(zeile);
            p->karte(1 + zeile);
        }
        const int fehlerhaft = spieler.gesehen.filter(QStringLiteral("fehlerhaft")).size();
        QCOMPARE(fehlerhaft, 3);
        // A faulty list's box is its only one.
        QCOMPARE(spieler.gesehen.filter(QStringLiteral("wurde geladen!")).size(),
                 eintraege - fehlerhaft);
        // Two answers were ready for every list; each took one.
        QCOMPARE(spieler.antworten.size(), eintraege);
        spieler.antworten.clear();

        p->bild(6);
        QTest::mouseClick(p->infoTeil("Bezeichnung1"), Qt::LeftButton);
        p->bild(6);
        QTest::mouseClick(p->infoTeil("Bild1"), Qt::LeftButton);
        p->bild(6);
        p->fenster.infofenster()->close();
        p->bild(6);
        // Shown and painted, with its captions in place: nothing of that writes a file.
        QVERIFY(QTest::qWaitForWindowExposed(p->fenster.infofenster()));

        spieler.antworten += {"Nein", "Ja"};
        p->bild(1);
        QCOMPARE(p->ende.size(), 0);
        p->bild(1);
        QCOMPARE(p->ende.size(), 1);
        QVERIFY(!p->fenster.isVisible() && !p->fenster.infofenster()->isVisible());
        p.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QVERIFY2(spieler.antworten.isEmpty(), qPrintable(spieler.antworten.join(", ")));
        QVERIFY2(spieler.gesehen.filter(QStringLiteral("no answer")).isEmpty(),
                 qPrintable(spieler.gesehen.join(QLatin1Char('\n'))));
        QCOMPARE(spieler.gesehen.size(), 6 + eintraege + 2);
    }
};

int main(int argc, char* argv[]) {
    Umgebung u;
    umgebung = &u;
    QApplication app(argc, argv);
    TstKeineSchreibzugriffe test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keineschreibzugriffe.moc"
