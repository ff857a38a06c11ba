// A long run of random mouse clicks on the real windows: cards, picture buttons, entries of the
// file list and the information window, now and then a zoom step or full screen, every dialog
// answered at random. The board's rules hold
// after every click, the windows show what the game holds, and memory stays level.
#include "tests/support/dateien.h"
#include "tests/support/fensterhilfe.h"
#include "tests/support/invarianten.h"
#include "ui/massstab.h"
#include "ui/programm.h"
#include "ui/vergroesserung.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <memory>

using namespace vun;
using namespace vun::test;

namespace {

// A player who answers every box with whatever button comes to hand; counts the games won.
struct ZufallsSpieler {
    SkriptDialoge dialoge;
    int gewonnen = 0;

    explicit ZufallsSpieler(QRandomGenerator& wuerfel) {
        dialoge.aufzeichnen = false;
        dialoge.beimZeigen = [this, &wuerfel](const Gezeigt& g) {
            gewonnen += g.titel == QLatin1String("Memory");
            if (g.art == QLatin1String("MsgBox") && (g.stil & 15) == JaNein)
                dialoge.antworten = {wuerfel.bounded(2) ? AntwortJa : AntwortNein};
            if (g.art == QLatin1String("InputBox")) {
                const QStringList namen = {QString(),
                                           g.vorgabe,
                                           QStringLiteral("Anna"),
                                           QStringLiteral("   "),
                                           QStringLiteral("<b>Lea</b> & [*] %1"),
                                           QStringLiteral("Ä\tÖ\r\nß"),
                                           QString(300, QLatin1Char('x'))};
                dialoge.eingaben = {namen.at(wuerfel.bounded(int(namen.size())))};
            }
        };
    }
};

// The folder the game runs in: sound lists and every kind of faulty one.
void ordnerFuellen(const QDir& ordner) {
    QVERIFY(wortlisteSchreiben(
        ordner.filePath("VUNMEMO.TXT"),
        {"Hund", "Katze", "Maus", "Pferd", "Kuh", "Schaf", "Ziege", "Huhn", "Ente", "Gans"}));
    QVERIFY(dateiSchreiben(ordner.filePath("gut.txt"), "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\n"));
    QVERIFY(dateiSchreiben(ordner.filePath("UMLAUTE.TXT"),
                           "\xef\xbb\xbf\xc3\x84pfel\rB\xc3\xa4r\rM\xc3\xb6we\r\xc3\x9c"
                           "bung\rStra\xc3\x9f"
                           "e\rSee\rTee\rFee\rKlee\rSchnee\r"));
    QVERIFY(!feindlicheDateien(ordner).isEmpty());
}

// The whole program as main() puts it together, but with random answers.
struct Sitzung {
    SkriptZufall zufall;
    ui::Programm programm;
    Memo& memo = programm.memo();
    ui::Hauptfenster& fenster = programm.fenster();
    QSignalSpy ende{&fenster, &ui::Hauptfenster::programmEnde};

    Sitzung(SkriptDialoge& dialoge, const QDir& ordner, quint32 saat)
        : zufall({}, saat), programm({ordner, {}}, {.dialoge = &dialoge, .zufall = &zufall}) {
        programm.starten();
    }
};

qint64 residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith("VmRSS:"))
            return zeile.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

// AddressSanitizer holds freed memory back in quarantine, so resident memory says nothing there.
constexpr bool mitAdressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

// The card in play a player would click: now and then the partner of the turn's first open
// card, so that games are won, otherwise any card.
int karteWaehlen(const Memo& memo, int erste, QRandomGenerator& wuerfel) {
    if (erste != 0 && wuerfel.bounded(2))
        return test::partner(memo, erste);
    return 1 + wuerfel.bounded(Kartenzahl);
}

// The board before a click on a card, from which follows the turn's first open card after it
// (0 for none) as the game keeps it: a click that changed nothing leaves it, a cleared board keeps
// it until the next click, and the partner is taken before the click, which may win and deal anew.
struct VorDemKlick {
    bool lief;
    QList<int> offen;
    int partner; // of the one open card
    std::array<Kartenbild, Kartenzahl> karten;

    explicit VorDemKlick(const Memo& memo)
        : lief(test::rundeLaeuft(memo)), offen(test::karten(memo, Kartenzustand::Offen)),
          partner(offen.size() == 1 ? test::partner(memo, offen.first()) : 0) {
        for (int k = 1; k <= Kartenzahl; ++k)
            karten[k - 1] = memo.karte(k);
    }
    int ersteNach(const Memo& memo, int karte, int erste) const {
        for (int k = 1; k <= Kartenzahl; ++k)
            if (memo.karte(k) != karten[k - 1])
                return !lief || offen.size() != 1 ? karte : karte == partner ? 0 : offen.first();
        return erste;
    }
};

// What the windows show agrees with the game; empty when it does.
QString ansichtWeicht(const Sitzung& p) {
    ui::Hauptfenster& f = p.fenster;
    if (f.windowTitle() != ui::Hauptfenster::titelFuerFenster(p.memo.fenstertitel()))
        return QStringLiteral("title %1").arg(f.windowTitle());
    const QSize karte = ui::skaliert(QSize(209, 33), f.groesse().faktor());
    for (int k = 1; k <= Kartenzahl; ++k)
        if (f.karte(k)->size() != karte)
            return QStringLiteral("card %1 not at the zoom").arg(k);
    const bool sichtbar = f.dateiliste()->isVisibleTo(&f);
    if (sichtbar != p.memo.dateilisteSichtbar())
        return QStringLiteral("file list shown: %1").arg(sichtbar);
    if (sichtbar) {
        QStringList eintraege;
        for (int i = 0; i < f.dateiliste()->count(); ++i)
            eintraege.append(f.dateiliste()->item(i)->text());
        if (eintraege != p.memo.dateiliste())
            return QStringLiteral("file list %1").arg(eintraege.join(QLatin1Char(' ')));
    }
    return {};
}

// Every card as drawn: the game's background colour for that card.
QString bildWeicht(const Sitzung& p) {
    for (int k = 1; k <= Kartenzahl; ++k)
        if (pixel(p.fenster.karte(k), {5, 30}) != farbeVon(p.memo.karte(k).hintergrund))
            return QStringLiteral("card %1 drawn in another colour").arg(k);
    return {};
}

// The run: the player, the program and what happened so far.
struct Dauerlauf {
    QTemporaryDir tmp;
    QDir ordner{tmp.path()};
    QRandomGenerator wuerfel{20261207};
    ZufallsSpieler spieler{wuerfel};
    std::unique_ptr<Sitzung> programm;
    int neustarts = 0, dateiKlicks = 0, infoKlicks = 0, zoomSchritte = 0;
    int erste = 0; // the turn's first open card

    // One click on whatever the player's hand lands on among the things that take clicks.
    void klicken() {
        Sitzung& p = *programm;
        ui::Infofenster* info = p.fenster.infofenster();
        ui::Dateiliste* liste = p.fenster.dateiliste();
        const int wurf = wuerfel.bounded(100);
        if (info && info->isVisible() && wurf < 10) {
            ++infoKlicks;
            const char* ziel = wurf < 5 ? "Bezeichnung1" : "Bild1"; // "O k a y", flag
            QTest::mouseClick(info->findChild<QWidget*>(QLatin1String(ziel)), Qt::LeftButton);
        } else if (liste->isVisible() && liste->count() > 0 && wurf < 50) {
            ++dateiKlicks;
            QListWidgetItem* eintrag = liste->item(wuerfel.bounded(liste->count()));
            liste->scrollToItem(eintrag);
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                              liste->visualItemRect(eintrag).center());
        } else if (wurf < 2) {
            ++zoomSchritte;
            ui::Vergroesserung& groesse = p.fenster.groesse();
            const int art = wuerfel.bounded(4);
            if (art == 3)
                groesse.vollbildSetzen(!groesse.vollbild());
            else
                groesse.stufeWechseln(art - 1);
        } else if (wurf < 88) {
            const int karte = karteWaehlen(p.memo, erste, wuerfel);
            const VorDemKlick vorher(p.memo);
            QTest::mouseClick(p.fenster.karte(karte), Qt::LeftButton);
            erste = vorher.ersteNach(p.memo, karte, erste);
        } else {
            const QString bild = QStringLiteral("Bild%1").arg(1 + wuerfel.bounded(6));
            QTest::mouseClick(p.fenster.findChild<QWidget*>(bild, Qt::FindDirectChildrenOnly),
                              Qt::LeftButton);
        }
        QCoreApplication::processEvents();
    }

    // After the player confirmed quitting: both windows gone, and the program is started again.
    void neustartNachEnde(int klick) {
        if (programm->ende.isEmpty())
            return;
        ui::Infofenster* info = programm->fenster.infofenster();
        QVERIFY(!programm->fenster.isVisible());
        QVERIFY(!info || !info->isVisible());
        programm.reset();
        programm = std::make_unique<Sitzung>(spieler.dialoge, ordner, 1 + klick);
        erste = 0;
        ++neustarts;
    }
};

// The offscreen platform cannot raise a window and says so on every showing of the file list;
// thousands of those would drown the log and the test's own limit of warnings.
QtMessageHandler qtsMeldungen = nullptr;
void meldung(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (text != QLatin1String("This plugin does not support raise()"))
        qtsMeldungen(art, ort, text);
}

} // namespace

class TstFensterdauerlauf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qtsMeldungen = qInstallMessageHandler(meldung); }
    void cleanupTestCase() { qInstallMessageHandler(qtsMeldungen); }

    void zufaelligeKlicks() {
        Dauerlauf lauf;
        ordnerFuellen(lauf.ordner);
        if (QTest::currentTestFailed())
            return;
        lauf.programm = std::make_unique<Sitzung>(lauf.spieler.dialoge, lauf.ordner, 1);
        const int klicks = 20000;
        qint64 rssBei1000 = 0;
        QElapsedTimer uhr;
        uhr.start();
        for (int i = 1; i <= klicks; ++i) {
            lauf.klicken();
            const QString fehler = verletzteInvariante(lauf.programm->memo) +
                                   ansichtWeicht(*lauf.programm) +
                                   (i % 250 == 0 ? bildWeicht(*lauf.programm) : QString());
            QVERIFY2(fehler.isEmpty(),
                     qPrintable(QStringLiteral("click %1: %2").arg(i).arg(fehler)));
            lauf.neustartNachEnde(i);
            if (QTest::currentTestFailed())
                return;
            if (i == 1000)
                rssBei1000 = residentKiB();
        }
        const qint64 rssAmEnde = residentKiB();
        const qint64 ms = uhr.elapsed();
        lauf.programm.reset();

        qInfo("%d clicks in %lld ms: %d dialogs, %d games won, %d restarts, %d file-list clicks, "
              "%d info-window clicks, %d zoom steps; VmRSS %lld KiB after click 1000, %lld KiB at "
              "the end",
              klicks, ms, lauf.spieler.dialoge.anzahl, lauf.spieler.gewonnen, lauf.neustarts,
              lauf.dateiKlicks, lauf.infoKlicks, lauf.zoomSchritte, rssBei1000, rssAmEnde);
        QVERIFY(lauf.spieler.gewonnen > 5);
        QVERIFY(lauf.neustarts > 5);
        QVERIFY(lauf.dateiKlicks > 50);
        QVERIFY(lauf.infoKlicks > 20);
        if (mitAdressSanitizer())
            return;
        QVERIFY(rssBei1000 > 0);
        QVERIFY2(rssAmEnde <= rssBei1000 + 2048,
                 qPrintable(QStringLiteral("%1 KiB -> %2 KiB").arg(rssBei1000).arg(rssAmEnde)));
    }
};

QTEST_MAIN(TstFensterdauerlauf)
#include "tst_fensterdauerlauf.moc"
